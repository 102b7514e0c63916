#include "platform/storage/BinaryPlistReader.h"

#include <bit>
#include <limits>

#include "platform/storage/BigEndian.h"
#include "platform/storage/BinaryPlistCheck.h"
#include "platform/storage/PropertyList.h"
#include "platform/storage/Utf8.h"

namespace platform {

namespace {

constexpr std::size_t kTrailerSize = 32;

}  // namespace

std::optional<BinaryPlistReader> BinaryPlistReader::open(std::string_view bytes, std::string& problem) {
    if (bytes.size() > std::numeric_limits<std::uint32_t>::max()) {
        problem = "too large";
        return std::nullopt;
    }
    if (auto found = BinaryPlistCheck::problem(bytes, PropertyList::kMaxDepth, PropertyList::kMaxNodes)) {
        problem = std::move(*found);
        return std::nullopt;
    }
    const std::size_t trailer = bytes.size() - kTrailerSize;
    BinaryPlistReader reader;
    reader.m_bytes = bytes;
    reader.m_offsetWidth = static_cast<std::uint8_t>(bytes[trailer + 6]);
    reader.m_referenceWidth = static_cast<std::uint8_t>(bytes[trailer + 7]);
    reader.m_top = readBigEndian(bytes, trailer + 16, 8);
    reader.m_offsetTable = static_cast<std::size_t>(readBigEndian(bytes, trailer + 24, 8));
    return reader;
}

BinaryPlistReader::Ref BinaryPlistReader::reference(std::size_t at, std::uint64_t index) const {
    return readBigEndian(m_bytes, at + static_cast<std::size_t>(index) * m_referenceWidth, m_referenceWidth);
}

BinaryPlistReader::Object BinaryPlistReader::object(Ref ref) const {
    // The check has seen every reachable reference and object: they lie inside the bytes.
    const auto offset = static_cast<std::size_t>(
        readBigEndian(m_bytes, m_offsetTable + static_cast<std::size_t>(ref) * m_offsetWidth, m_offsetWidth));
    const auto marker = static_cast<std::uint8_t>(m_bytes[offset]);
    Object object;
    object.nibble = marker & 0x0F;
    object.payload = offset + 1;
    const std::uint8_t kind = marker >> 4;
    switch (kind) {
        case 0x0: object.kind = object.nibble == 0x8 || object.nibble == 0x9 ? Kind::Bool : Kind::Other; return object;
        case 0x1: object.kind = Kind::Integer; return object;
        case 0x2: object.kind = Kind::Real; return object;
        case 0x3: object.kind = Kind::Date; return object;
        case 0x4:
        case 0x5:
        case 0x6:
        case 0xA:
        case 0xD: break;
        default: return object;
    }
    object.count = object.nibble;
    if (object.nibble == 0x0F) {
        const unsigned width = 1U << (static_cast<std::uint8_t>(m_bytes[object.payload]) & 0x0F);
        object.count = readBigEndian(m_bytes, object.payload + 1, width);
        object.payload += 1 + width;
    }
    static constexpr Kind kKinds[] = {Kind::Data, Kind::String, Kind::String};
    object.kind = kind == 0xA ? Kind::Array : kind == 0xD ? Kind::Dictionary : kKinds[kind - 0x4];
    object.utf16 = kind == 0x6;
    return object;
}

std::int64_t BinaryPlistReader::integerValue(const Object& object) const {
    if (object.nibble == 4) {  // 16 bytes: the low half
        return static_cast<std::int64_t>(readBigEndian(m_bytes, object.payload + 8, 8));
    }
    return static_cast<std::int64_t>(readBigEndian(m_bytes, object.payload, 1U << object.nibble));
}

std::optional<double> BinaryPlistReader::realValue(const Object& object) const {
    if (object.nibble == 2) {
        return std::bit_cast<float>(static_cast<std::uint32_t>(readBigEndian(m_bytes, object.payload, 4)));
    }
    if (object.nibble == 3) {
        return std::bit_cast<double>(readBigEndian(m_bytes, object.payload, 8));
    }
    return std::nullopt;
}

std::optional<Date> BinaryPlistReader::dateValue(const Object& object) const {
    if (object.nibble != 3) {
        return std::nullopt;
    }
    return PropertyList::dateFromPlistSeconds(std::bit_cast<double>(readBigEndian(m_bytes, object.payload, 8)));
}

std::optional<std::string_view> BinaryPlistReader::asciiView(const Object& object) const {
    if (object.kind != Kind::String || object.utf16) {
        return std::nullopt;
    }
    return m_bytes.substr(object.payload, object.count);
}

std::string BinaryPlistReader::stringValue(const Object& object) const {
    if (auto ascii = asciiView(object)) {
        return std::string(*ascii);
    }
    std::string text;
    text.reserve(object.count);
    for (std::uint64_t index = 0; index < object.count; ++index) {
        auto unit = static_cast<std::uint32_t>(readBigEndian(m_bytes, object.payload + 2 * index, 2));
        if (unit >= 0xD800 && unit <= 0xDBFF && index + 1 < object.count) {
            const auto low = static_cast<std::uint32_t>(readBigEndian(m_bytes, object.payload + 2 * index + 2, 2));
            if (low >= 0xDC00 && low <= 0xDFFF) {
                unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
                ++index;
            }
        }
        appendUtf8(text, unit >= 0xD800 && unit <= 0xDFFF ? 0xFFFD : unit);
    }
    return text;
}

Value BinaryPlistReader::toValue(Ref ref, const DictionaryReader& readDictionary) const {
    const Object read = object(ref);
    switch (read.kind) {
        case Kind::Bool: return Value(boolValue(read));
        case Kind::Integer: return Value(integerValue(read));
        case Kind::Real: {
            const auto real = realValue(read);
            return real ? Value(*real) : Value();
        }
        case Kind::Date: {
            const auto date = dateValue(read);
            return date ? Value(*date) : Value();
        }
        case Kind::Data: {
            const std::string_view bytes = dataValue(read);
            return Value(Data(bytes.begin(), bytes.end()));
        }
        case Kind::String: return Value(stringValue(read));
        case Kind::Array: {
            Array array;
            array.reserve(static_cast<std::size_t>(read.count));
            for (std::uint64_t index = 0; index < read.count; ++index) {
                Value item = toValue(element(read, index), readDictionary);
                if (!item.isNull()) {
                    array.push_back(std::move(item));
                }
            }
            return Value(std::move(array));
        }
        case Kind::Dictionary: {
            if (readDictionary) {
                if (auto custom = readDictionary(ref)) {
                    return std::move(*custom);
                }
            }
            Dictionary dictionary;
            for (std::uint64_t index = 0; index < read.count; ++index) {
                const Object keyObject = object(key(read, index));
                if (keyObject.kind != Kind::String) {
                    continue;
                }
                Value entry = toValue(value(read, index), readDictionary);
                if (!entry.isNull()) {
                    dictionary.insert_or_assign(stringValue(keyObject), std::move(entry));
                }
            }
            return Value(std::move(dictionary));
        }
        case Kind::Other: break;
    }
    return Value();
}

}  // namespace platform
