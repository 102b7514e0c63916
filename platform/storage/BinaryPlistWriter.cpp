#include "platform/storage/BinaryPlistWriter.h"

#include <bit>
#include <cstring>
#include <string>

#include "platform/base/Log.h"
#include "platform/storage/PropertyList.h"
#include "platform/storage/Utf8.h"

QOV_LOG_LEVEL(15)

namespace platform {

namespace {

constexpr std::string_view kHeader = "bplist00";

// The smallest of 1, 2, 4 and 8 bytes that holds value.
unsigned widthFor(std::uint64_t value) {
    if (value <= 0xFF) {
        return 1;
    }
    if (value <= 0xFFFF) {
        return 2;
    }
    return value <= 0xFFFF'FFFF ? 4 : 8;
}

void appendBigEndian(std::string& out, std::uint64_t value, unsigned width) {
    const std::size_t at = out.size();
    out.resize(at + width);
    for (unsigned index = 0; index < width; ++index) {
        out[at + width - 1 - index] = static_cast<char>((value >> (8 * index)) & 0xFF);
    }
}

void appendInteger(std::string& out, std::uint64_t value, unsigned width) {
    out.push_back(static_cast<char>(0x10 | std::countr_zero(width)));
    appendBigEndian(out, value, width);
}

// A marker with its count: in the low nibble, or as an integer object after it.
void appendMarker(std::string& out, std::uint8_t kind, std::uint64_t count) {
    if (count < 0x0F) {
        out.push_back(static_cast<char>((kind << 4) | count));
        return;
    }
    out.push_back(static_cast<char>((kind << 4) | 0x0F));
    appendInteger(out, count, widthFor(count));
}

void appendUtf16(std::string& out, std::uint32_t unit) {
    out.push_back(static_cast<char>(unit >> 8));
    out.push_back(static_cast<char>(unit & 0xFF));
}

// A quick hash of a scalar's encoding (mostly a marker and a few bytes): eight bytes at a time, multiplied and
// folded, then the tail.
std::size_t hashOf(std::string_view bytes) {
    std::uint64_t hash = 0x9E3779B97F4A7C15ULL ^ bytes.size();
    std::size_t at = 0;
    for (; at + 8 <= bytes.size(); at += 8) {
        std::uint64_t word;
        std::memcpy(&word, bytes.data() + at, 8);
        hash = (hash ^ word) * 0xFF51AFD7ED558CCDULL;
        hash ^= hash >> 32;
    }
    std::uint64_t tail = 0;
    for (; at < bytes.size(); ++at) {
        tail = (tail << 8) | static_cast<std::uint8_t>(bytes[at]);
    }
    hash = (hash ^ tail) * 0xC4CEB9FE1A85EC53ULL;
    return static_cast<std::size_t>(hash ^ (hash >> 29));
}

// Whether every byte is below 0x80, eight bytes at a time.
bool isAscii(std::string_view text) {
    std::size_t at = 0;
    for (; at + 8 <= text.size(); at += 8) {
        std::uint64_t word;
        std::memcpy(&word, text.data() + at, 8);
        if ((word & 0x8080808080808080ULL) != 0) {
            return false;
        }
    }
    for (; at < text.size(); ++at) {
        if (static_cast<std::uint8_t>(text[at]) >= 0x80) {
            return false;
        }
    }
    return true;
}

}  // namespace

BinaryPlistWriter::Ref BinaryPlistWriter::addScalar() {
    const std::string_view encoding(m_scratch);
    const std::size_t hash = hashOf(encoding);
    if (m_known.empty()) {
        m_known.resize(1024);
    }
    const std::size_t mask = m_known.size() - 1;
    for (std::size_t slot = hash & mask; m_known[slot].size != 0; slot = (slot + 1) & mask) {
        const Known& known = m_known[slot];
        if (known.hash == hash && std::string_view(m_scalars).substr(known.start, known.size) == encoding) {
            return known.ref;
        }
    }
    const auto ref = static_cast<Ref>(m_offsets.size());
    m_offsets.push_back(kHeader.size() + m_scalars.size());
    remember(Known{hash, m_scalars.size(), encoding.size(), ref});
    m_scalars += encoding;
    return ref;
}

void BinaryPlistWriter::remember(const Known& known) {
    if (2 * (m_knownCount + 1) > m_known.size()) {
        std::vector<Known> previous(m_known.size() * 2);
        previous.swap(m_known);
        m_knownCount = 0;
        for (const Known& entry : previous) {
            if (entry.size != 0) {
                remember(entry);
            }
        }
    }
    const std::size_t mask = m_known.size() - 1;
    std::size_t slot = known.hash & mask;
    while (m_known[slot].size != 0) {
        slot = (slot + 1) & mask;
    }
    m_known[slot] = known;
    ++m_knownCount;
}

BinaryPlistWriter::Ref BinaryPlistWriter::addBool(bool value) {
    m_scratch.assign(1, value ? '\x09' : '\x08');
    return addScalar();
}

BinaryPlistWriter::Ref BinaryPlistWriter::addInteger(std::int64_t value) {
    m_scratch.clear();
    const auto bits = static_cast<std::uint64_t>(value);
    appendInteger(m_scratch, bits, value < 0 ? 8 : widthFor(bits));
    return addScalar();
}

BinaryPlistWriter::Ref BinaryPlistWriter::addReal(double value) {
    m_scratch.clear();
    const auto narrow = static_cast<float>(value);
    if (static_cast<double>(narrow) == value) {  // NaN stays eight bytes
        m_scratch.push_back('\x22');
        appendBigEndian(m_scratch, std::bit_cast<std::uint32_t>(narrow), 4);
    } else {
        m_scratch.push_back('\x23');
        appendBigEndian(m_scratch, std::bit_cast<std::uint64_t>(value), 8);
    }
    return addScalar();
}

BinaryPlistWriter::Ref BinaryPlistWriter::addDate(double secondsSince2001) {
    m_scratch.assign(1, '\x33');
    appendBigEndian(m_scratch, std::bit_cast<std::uint64_t>(secondsSince2001), 8);
    return addScalar();
}

BinaryPlistWriter::Ref BinaryPlistWriter::addData(std::string_view bytes) {
    m_scratch.clear();
    appendMarker(m_scratch, 0x4, bytes.size());
    m_scratch += bytes;
    return addScalar();
}

BinaryPlistWriter::Ref BinaryPlistWriter::addString(std::string_view text) {
    // A property list text holds no NUL (libplist asserts on one): NULs are left out, so the rest of a service's
    // text is kept rather than cut off at the first one.
    std::string withoutNuls;
    if (text.find('\0') != std::string_view::npos) {
        withoutNuls.assign(text);
        std::erase(withoutNuls, '\0');
        text = withoutNuls;
    }
    const bool ascii = isAscii(text);
    m_scratch.clear();
    if (ascii) {
        appendMarker(m_scratch, 0x5, text.size());
        m_scratch += text;
        return addScalar();
    }
    std::string units;
    std::size_t count = 0;
    for (std::size_t at = 0; at < text.size();) {
        const std::uint32_t code = nextUtf8CodePoint(text, at);
        if (code >= 0x10000) {
            appendUtf16(units, 0xD800 + ((code - 0x10000) >> 10));
            appendUtf16(units, 0xDC00 + ((code - 0x10000) & 0x3FF));
            count += 2;
        } else {
            appendUtf16(units, code);
            count += 1;
        }
    }
    appendMarker(m_scratch, 0x6, count);
    m_scratch += units;
    return addScalar();
}

BinaryPlistWriter::Ref BinaryPlistWriter::addContainer(Container container) {
    container.ref = static_cast<Ref>(m_offsets.size());
    m_offsets.push_back(0);
    m_containers.push_back(std::move(container));
    return m_containers.back().ref;
}

BinaryPlistWriter::Ref BinaryPlistWriter::addArray(const std::vector<Ref>& elements) {
    return addContainer(Container{0, 0xA, elements.size(), elements});
}

BinaryPlistWriter::Ref BinaryPlistWriter::addDictionary(const std::vector<std::pair<Ref, Ref>>& entries) {
    std::vector<Ref> references(entries.size() * 2);
    for (std::size_t index = 0; index < entries.size(); ++index) {
        references[index] = entries[index].first;
        references[entries.size() + index] = entries[index].second;
    }
    return addContainer(Container{0, 0xD, entries.size(), std::move(references)});
}

std::optional<BinaryPlistWriter::Ref> BinaryPlistWriter::addValue(const Value& value, int depth,
                                                                  const ValueHooks& hooks) {
    switch (value.kind()) {
        case Value::Kind::Null: return std::nullopt;
        case Value::Kind::Bool: return addBool(*value.ifBool());
        case Value::Kind::Integer: return addInteger(*value.ifInteger());
        case Value::Kind::Double: return addReal(*value.ifDouble());
        case Value::Kind::String: return addString(*value.ifString());
        case Value::Kind::Data: {
            const Data& data = *value.ifData();
            return addData(std::string_view(reinterpret_cast<const char*>(data.data()), data.size()));
        }
        case Value::Kind::Date: {
            const auto seconds = PropertyList::plistSecondsFromDate(*value.ifDate());
            if (!seconds) {
                QOV_LOG_WARN("left out a date that a property list cannot hold ({})", value.ifDate()->secondsSince1970);
                return std::nullopt;
            }
            return addDate(*seconds);
        }
        case Value::Kind::Object: return hooks.object ? hooks.object(*value.ifObject(), depth) : std::nullopt;
        case Value::Kind::Array:
        case Value::Kind::Dictionary: break;
    }
    if (hooks.admits && !hooks.admits(depth)) {
        return std::nullopt;
    }
    if (const auto* array = value.ifArray()) {
        std::vector<Ref> elements;
        elements.reserve(array->size());
        for (const auto& element : *array) {
            if (auto ref = addValue(element, depth + 1, hooks)) {
                elements.push_back(*ref);
            }
        }
        return addArray(elements);
    }
    std::vector<std::pair<Ref, Ref>> entries;
    for (const auto& [key, element] : *value.ifDictionary()) {
        if (auto ref = addValue(element, depth + 1, hooks)) {
            entries.emplace_back(addString(key), *ref);
        }
    }
    return addDictionary(entries);
}

std::string BinaryPlistWriter::finish(Ref top) {
    const std::uint64_t objectCount = m_offsets.size();
    const unsigned referenceWidth = widthFor(objectCount);
    std::string out;
    out.reserve(kHeader.size() + m_scalars.size() + objectCount * (referenceWidth + 4) + 64);
    out += kHeader;
    out += m_scalars;
    for (const Container& container : m_containers) {
        m_offsets[container.ref] = out.size();
        appendMarker(out, container.kind, container.count);
        for (const Ref reference : container.references) {
            appendBigEndian(out, reference, referenceWidth);
        }
    }
    const std::uint64_t offsetTable = out.size();
    const unsigned offsetWidth = widthFor(offsetTable);
    for (const std::uint64_t offset : m_offsets) {
        appendBigEndian(out, offset, offsetWidth);
    }
    out.append(6, '\0');
    out.push_back(static_cast<char>(offsetWidth));
    out.push_back(static_cast<char>(referenceWidth));
    appendBigEndian(out, objectCount, 8);
    appendBigEndian(out, top, 8);
    appendBigEndian(out, offsetTable, 8);
    return out;
}

}  // namespace platform
