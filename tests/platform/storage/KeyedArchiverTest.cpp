#include "platform/storage/KeyedArchiver.h"

#include <gtest/gtest.h>
#include <plist/plist.h>

#include <atomic>
#include <cmath>
#include <limits>
#include <random>
#include <stdexcept>
#include <thread>

#include "tests/support/LogCapture.h"
#include "tests/support/TempHome.h"

namespace platform {
namespace {

class ArchivedShape : public Archivable {
public:
    std::string label;
    void encodeWithCoder(KeyedArchiver& coder) const override { coder.encodeString(label, "label"); }
};

class ArchivedCircle : public ArchivedShape {
public:
    double radius = 0.0;
    void encodeWithCoder(KeyedArchiver& coder) const override {
        ArchivedShape::encodeWithCoder(coder);
        coder.encodeDouble(radius, "radius");
    }
};

class ArchivedSquare : public ArchivedShape {
public:
    std::int64_t side = 0;
    void encodeWithCoder(KeyedArchiver& coder) const override {
        ArchivedShape::encodeWithCoder(coder);
        coder.encodeInteger(side, "side");
    }
};

// One field of every kind a coder writes.
class ArchivedRecord : public Archivable {
public:
    std::int64_t number = 0;
    bool flag = false;
    double ratio = 0.0;
    std::string name;
    std::optional<Date> when;
    Data bytes;
    std::shared_ptr<ArchivedRecord> child;
    Value extra;

    void encodeWithCoder(KeyedArchiver& coder) const override {
        coder.encodeInteger(number, "number");
        coder.encodeBool(flag, "flag");
        coder.encodeDouble(ratio, "ratio");
        coder.encodeString(name, "name");
        coder.encodeDate(when, "when");
        coder.encodeData(bytes, "bytes");
        coder.encodeObject(child, "child");
        coder.encodeValue(extra, "extra");
    }

    static std::shared_ptr<Object> decode(const KeyedUnarchiver& coder) {
        auto record = std::make_shared<ArchivedRecord>();
        record->number = coder.decodeInteger("number");
        record->flag = coder.decodeBool("flag");
        record->ratio = coder.decodeDouble("ratio");
        record->name = coder.decodeString("name");
        record->when = coder.decodeDate("when");
        record->bytes = coder.decodeData("bytes");
        record->child = coder.decodeObjectOfClass<ArchivedRecord>("child");
        record->extra = coder.decodeValue("extra");
        return record;
    }
};

class NotArchivable : public Object {};

void registerClasses() {
    ArchiveRegistry::registerClass("ArchivedRecord", &ArchivedRecord::decode);
    ArchiveRegistry::registerClass("ArchivedCircle", [](const KeyedUnarchiver& coder) {
        auto circle = std::make_shared<ArchivedCircle>();
        circle->label = coder.decodeString("label");
        circle->radius = coder.decodeDouble("radius");
        return circle;
    });
    ArchiveRegistry::registerClass("ArchivedSquare", [](const KeyedUnarchiver& coder) -> std::shared_ptr<Object> {
        if (!coder.containsValueForKey("side")) {
            return nullptr;  // a square needs its side
        }
        auto square = std::make_shared<ArchivedSquare>();
        square->label = coder.decodeString("label");
        square->side = coder.decodeInteger("side");
        return square;
    });
    ArchiveRegistry::registerClass("ThrowingRecord", [](const KeyedUnarchiver&) -> std::shared_ptr<Object> {
        throw std::out_of_range("bad field");
    });
}

std::shared_ptr<ArchivedRecord> roundTrip(const ArchivedRecord& record) {
    const auto data = KeyedArchiver::archivedDataWithRootObject(record);
    EXPECT_TRUE(data.has_value());
    return data ? KeyedUnarchiver::unarchiveObjectOfClass<ArchivedRecord>(*data) : nullptr;
}

Data bytesOf(plist_t root) {
    char* bytes = nullptr;
    std::uint32_t length = 0;
    plist_to_bin(root, &bytes, &length);
    Data data(bytes, bytes + length);
    plist_to_bin_free(bytes);
    plist_free(root);
    return data;
}

void appendBigEndian(Data& data, std::uint64_t value, int width) {
    for (int shift = (width - 1) * 8; shift >= 0; shift -= 8) {
        data.push_back(static_cast<std::uint8_t>(value >> shift));
    }
}

// A binary property list of `count` one-element arrays; element i refers to object next(i) (past the end: none).
Data chainOfArrays(std::uint64_t count, const std::function<std::vector<std::uint64_t>(std::uint64_t)>& children) {
    Data data{'b', 'p', 'l', 'i', 's', 't', '0', '0'};
    std::vector<std::uint64_t> offsets;
    for (std::uint64_t index = 0; index < count; ++index) {
        offsets.push_back(data.size());
        const auto refs = children(index);
        data.push_back(static_cast<std::uint8_t>(0xA0 | refs.size()));
        for (const auto ref : refs) {
            appendBigEndian(data, ref, 4);
        }
    }
    const std::uint64_t table = data.size();
    for (const auto offset : offsets) {
        appendBigEndian(data, offset, 8);
    }
    data.insert(data.end(), 6, 0);
    data.push_back(8);
    data.push_back(4);
    appendBigEndian(data, count, 8);
    appendBigEndian(data, 0, 8);
    appendBigEndian(data, table, 8);
    return data;
}

class KeyedArchiverTest : public ::testing::Test {
protected:
    void SetUp() override { registerClasses(); }
};

TEST_F(KeyedArchiverTest, ScalarKindsAndExtremeDoublesRoundTripExactly) {
    for (const std::int64_t number :
         {std::int64_t{0}, std::int64_t{-1}, std::int64_t{255}, std::int64_t{-40000},
          std::numeric_limits<std::int64_t>::min(), std::numeric_limits<std::int64_t>::max()}) {
        ArchivedRecord record;
        record.number = number;
        record.flag = true;
        record.ratio = -0.1;
        record.name = "Zürich — 東京 ☀ \"quoted\" <tag>";
        record.bytes = {0, 1, 0xFF, 0};
        const auto back = roundTrip(record);
        ASSERT_NE(back, nullptr);
        EXPECT_EQ(back->number, number);
        EXPECT_TRUE(back->flag);
        EXPECT_EQ(back->ratio, -0.1);
        EXPECT_EQ(back->name, record.name);
        EXPECT_EQ(back->bytes, record.bytes);
    }
    ArchivedRecord record;
    for (const double ratio : {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
                               std::numeric_limits<double>::max(), std::numeric_limits<double>::denorm_min()}) {
        record.ratio = ratio;
        EXPECT_EQ(roundTrip(record)->ratio, ratio);
    }
    record.ratio = std::numeric_limits<double>::quiet_NaN();
    EXPECT_TRUE(std::isnan(roundTrip(record)->ratio));
}

TEST_F(KeyedArchiverTest, DatesKeepWholeAndBinaryFractionsExactlyAndOthersToAMicrosecond) {
    ArchivedRecord record;
    for (const double seconds : {0.0, 1'800'000'000.0, 1'800'000'000.25, -100'000'000.5, 978'307'200.0}) {
        record.when = Date{seconds};
        EXPECT_EQ(roundTrip(record)->when, record.when) << seconds;
    }
    record.when = Date{1'800'000'000.123456};
    EXPECT_NEAR(roundTrip(record)->when->secondsSince1970, 1'800'000'000.123456, 2e-6);
    // The second before 2001 comes back as a whole second rather than with its sign lost.
    record.when = Date{978'307'199.75};
    EXPECT_EQ(roundTrip(record)->when, Date{978'307'200.0});
}

TEST_F(KeyedArchiverTest, OutputIsAPlainBinaryPropertyListDictionaryWithoutAbsentValues) {
    ArchivedRecord record;
    record.number = -7;
    record.child = std::make_shared<ArchivedRecord>();
    record.child->name = "inner";
    const auto data = KeyedArchiver::archivedDataWithRootObject(record);
    ASSERT_TRUE(data);
    ASSERT_TRUE(plist_is_binary(reinterpret_cast<const char*>(data->data()), static_cast<std::uint32_t>(data->size())));
    plist_t root = nullptr;
    plist_from_bin(reinterpret_cast<const char*>(data->data()), static_cast<std::uint32_t>(data->size()), &root);
    ASSERT_NE(root, nullptr);
    ASSERT_EQ(plist_get_node_type(root), PLIST_DICT);
    EXPECT_EQ(plist_string_val_compare(plist_dict_get_item(root, "$class"), "ArchivedRecord"), 0);
    EXPECT_EQ(plist_get_node_type(plist_dict_get_item(root, "number")), PLIST_UINT);
    EXPECT_EQ(plist_get_node_type(plist_dict_get_item(root, "flag")), PLIST_BOOLEAN);
    EXPECT_EQ(plist_get_node_type(plist_dict_get_item(root, "ratio")), PLIST_REAL);
    EXPECT_EQ(plist_get_node_type(plist_dict_get_item(root, "bytes")), PLIST_DATA);
    EXPECT_EQ(plist_dict_get_item(root, "when"), nullptr);   // an absent date leaves its key out
    EXPECT_EQ(plist_dict_get_item(root, "extra"), nullptr);  // so does a null value
    const plist_t child = plist_dict_get_item(root, "child");
    ASSERT_EQ(plist_get_node_type(child), PLIST_DICT);
    EXPECT_EQ(plist_string_val_compare(plist_dict_get_item(child, "$class"), "ArchivedRecord"), 0);
    EXPECT_EQ(plist_string_val_compare(plist_dict_get_item(child, "name"), "inner"), 0);
    EXPECT_EQ(plist_dict_get_item(child, "child"), nullptr);  // and a nil object
    plist_free(root);

    record.when = Date{1e12};  // beyond what a property list date holds
    record.child.reset();
    const auto back = roundTrip(record);
    EXPECT_FALSE(back->when.has_value());
    EXPECT_EQ(back->child, nullptr);
    EXPECT_TRUE(back->extra.isNull());
}

TEST_F(KeyedArchiverTest, AKeyEncodedAgainReplacesItsValueAndNilRemovesIt) {
    class Rewriter : public Archivable {
    public:
        void encodeWithCoder(KeyedArchiver& coder) const override {
            for (int index = 0; index < 200; ++index) {  // more keys than the writer's quick test tells apart
                coder.encodeInteger(index, "key" + std::to_string(index));
            }
            coder.encodeInteger(-1, "key7");
            coder.encodeString("twice", "key150");
            coder.encodeObject(nullptr, "key3");
        }
    };
    const auto data = KeyedArchiver::archivedDataWithRootObject(Rewriter());
    ASSERT_TRUE(data);
    plist_t root = nullptr;
    plist_from_bin(reinterpret_cast<const char*>(data->data()), static_cast<std::uint32_t>(data->size()), &root);
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(plist_dict_get_size(root), 200u);  // 199 keys and "$class"
    std::uint64_t number = 0;
    plist_get_uint_val(plist_dict_get_item(root, "key7"), &number);
    EXPECT_EQ(static_cast<std::int64_t>(number), -1);
    EXPECT_EQ(plist_string_val_compare(plist_dict_get_item(root, "key150"), "twice"), 0);
    EXPECT_EQ(plist_dict_get_item(root, "key3"), nullptr);
    plist_free(root);
}

TEST_F(KeyedArchiverTest, MixedListsDecodeByClass) {
    class Holder : public Archivable {
    public:
        Value list;
        void encodeWithCoder(KeyedArchiver& coder) const override { coder.encodeValue(list, "list"); }
    };
    Value decoded;
    std::vector<std::shared_ptr<ArchivedShape>> shapes;
    ArchiveRegistry::registerClass("Holder", [&](const KeyedUnarchiver& coder) {
        decoded = coder.decodeValue("list");
        shapes = coder.decodeArrayOfClass<ArchivedShape>("list");
        EXPECT_EQ(coder.decodeArrayOfClass<ArchivedCircle>("list").size(), 1U);
        EXPECT_TRUE(coder.decodeArrayOfClass<ArchivedCircle>("missing").empty());
        return std::make_shared<Holder>();
    });
    auto circle = std::make_shared<ArchivedCircle>();
    circle->label = "round";
    circle->radius = 2.5;
    auto square = std::make_shared<ArchivedSquare>();
    square->side = 4;
    Holder holder;
    holder.list = Array{circle, 17, square, std::make_shared<NotArchivable>(), Array{"nested"}};
    const auto data = KeyedArchiver::archivedDataWithRootObject(holder);
    ASSERT_TRUE(data);
    ASSERT_NE(KeyedUnarchiver::unarchiveObjectWithData(*data), nullptr);

    const Array* list = decoded.ifArray();
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->size(), 4U);  // the object that cannot be archived is left out
    const auto first = (*list)[0].object<ArchivedCircle>();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->label, "round");
    EXPECT_EQ(first->radius, 2.5);
    EXPECT_EQ((*list)[1], Value(17));
    ASSERT_NE((*list)[2].object<ArchivedSquare>(), nullptr);
    EXPECT_EQ((*list)[2].object<ArchivedSquare>()->side, 4);
    EXPECT_EQ((*list)[3], Value(Array{"nested"}));
    ASSERT_EQ(shapes.size(), 2U);  // only the shapes, in order
    EXPECT_NE(std::dynamic_pointer_cast<ArchivedCircle>(shapes[0]), nullptr);
    EXPECT_NE(std::dynamic_pointer_cast<ArchivedSquare>(shapes[1]), nullptr);
}

TEST_F(KeyedArchiverTest, DictionariesKeepValuesAndObjects) {
    auto circle = std::make_shared<ArchivedCircle>();
    circle->radius = 1.0;
    ArchivedRecord record;
    record.extra = Dictionary{{"count", 3},
                              {"when", Date{1'800'000'000.0}},
                              {"shape", circle},
                              {"inner", Dictionary{{"flag", true}, {"blob", Data{9}}}},
                              {"nothing", Value()}};
    const auto back = roundTrip(record);
    const Dictionary* dictionary = back->extra.ifDictionary();
    ASSERT_NE(dictionary, nullptr);
    EXPECT_EQ(dictionary->size(), 4U);
    EXPECT_EQ(dictionary->at("count"), Value(3));
    EXPECT_EQ(dictionary->at("when"), Value(Date{1'800'000'000.0}));
    EXPECT_EQ(dictionary->at("inner"), Value(Dictionary{{"flag", true}, {"blob", Data{9}}}));
    ASSERT_NE(dictionary->at("shape").object<ArchivedCircle>(), nullptr);
    EXPECT_EQ(dictionary->at("shape").object<ArchivedCircle>()->radius, 1.0);
}

TEST_F(KeyedArchiverTest, FilesAreWrittenAtomicallyAndReadBack) {
    const qovtest::TempHome home;
    const auto file = home.path() / "record.cache";
    ArchivedRecord record;
    record.name = "first";
    ASSERT_TRUE(KeyedArchiver::archiveRootObject(record, file));
    record.name = "second";
    ASSERT_TRUE(KeyedArchiver::archiveRootObject(record, file));
    const auto back = std::dynamic_pointer_cast<ArchivedRecord>(KeyedUnarchiver::unarchiveObjectWithFile(file));
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->name, "second");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(home.path()), {}), 1);  // no temporary left

    EXPECT_FALSE(KeyedArchiver::archiveRootObject(record, home.path() / "missing" / "record.cache"));
    EXPECT_EQ(KeyedUnarchiver::unarchiveObjectWithFile(home.path() / "absent.cache"), nullptr);
    EXPECT_EQ(KeyedUnarchiver::unarchiveObjectWithFile(home.path()), nullptr);
}

TEST_F(KeyedArchiverTest, EveryTruncationIsRefusedAndLogged) {
    ArchivedRecord record;
    record.name = "truncate me";
    record.extra = Array{1, 2, Dictionary{{"a", "b"}}};
    const auto data = KeyedArchiver::archivedDataWithRootObject(record);
    ASSERT_TRUE(data);
    const qovtest::LogCapture log;
    for (std::size_t length = 0; length < data->size(); ++length) {
        EXPECT_EQ(KeyedUnarchiver::unarchiveObjectWithData(Data(data->begin(), data->begin() + length)), nullptr)
            << length;
    }
    EXPECT_TRUE(log.contains("unreadable archive of " + std::to_string(data->size() - 1) + " bytes"));
}

TEST_F(KeyedArchiverTest, RandomAndMutatedBytesNeverCrash) {
    std::mt19937 random(20261206);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 300; ++round) {
        Data noise(static_cast<std::size_t>(byte(random)) + 1);
        for (auto& value : noise) {
            value = static_cast<std::uint8_t>(byte(random));
        }
        EXPECT_EQ(KeyedUnarchiver::unarchiveObjectWithData(noise), nullptr);
        noise.insert(noise.begin(), {'b', 'p', 'l', 'i', 's', 't', '0', '0'});
        EXPECT_EQ(KeyedUnarchiver::unarchiveObjectWithData(noise), nullptr);
    }
    ArchivedRecord record;
    record.name = "mutate me";
    record.child = std::make_shared<ArchivedRecord>();
    record.extra = Array{std::make_shared<ArchivedCircle>(), Dictionary{{"k", 1.5}}};
    const auto data = KeyedArchiver::archivedDataWithRootObject(record);
    ASSERT_TRUE(data);
    for (int round = 0; round < 3000; ++round) {
        Data mutated = *data;
        for (int flips = 1 + round % 4; flips > 0; --flips) {
            mutated[static_cast<std::size_t>(random() % mutated.size())] = static_cast<std::uint8_t>(byte(random));
        }
        KeyedUnarchiver::unarchiveObjectWithData(mutated);  // any answer, but no crash or leak
    }
}

TEST_F(KeyedArchiverTest, HostileStructuresAreRefused) {
    // Nesting far deeper than any archive.
    EXPECT_EQ(KeyedUnarchiver::unarchiveObjectWithData(chainOfArrays(
                  5'000,
                  [](std::uint64_t index) {
                      return index + 1 < 5'000 ? std::vector<std::uint64_t>{index + 1} : std::vector<std::uint64_t>{};
                  })),
              nullptr);
    // An array that contains itself.
    EXPECT_EQ(KeyedUnarchiver::unarchiveObjectWithData(
                  chainOfArrays(1, [](std::uint64_t) { return std::vector<std::uint64_t>{0}; })),
              nullptr);
    // Forty levels each referring twice to the next: a small file that would expand to 2^40 nodes.
    EXPECT_EQ(
        KeyedUnarchiver::unarchiveObjectWithData(chainOfArrays(
            40,
            [](std::uint64_t index) {
                return index + 1 < 40 ? std::vector<std::uint64_t>{index + 1, index + 1} : std::vector<std::uint64_t>{};
            })),
        nullptr);
    // A reference past the last object.
    EXPECT_EQ(KeyedUnarchiver::unarchiveObjectWithData(
                  chainOfArrays(1, [](std::uint64_t) { return std::vector<std::uint64_t>{7}; })),
              nullptr);
    // A string that claims to be huge.
    Data huge{'b', 'p', 'l', 'i', 's', 't', '0', '0', 0x5F, 0x13};
    appendBigEndian(huge, std::uint64_t{1} << 62, 8);
    const std::uint64_t table = huge.size();
    appendBigEndian(huge, 8, 1);
    huge.insert(huge.end(), 6, 0);
    huge.push_back(1);
    huge.push_back(1);
    appendBigEndian(huge, 1, 8);
    appendBigEndian(huge, 0, 8);
    appendBigEndian(huge, table, 8);
    EXPECT_EQ(KeyedUnarchiver::unarchiveObjectWithData(huge), nullptr);
}

TEST_F(KeyedArchiverTest, WrongRootMissingOrUnknownClassAnswerNull) {
    const auto withClass = [](plist_t className) {
        plist_t root = plist_new_dict();
        plist_dict_set_item(root, "name", plist_new_string("x"));
        if (className) {
            plist_dict_set_item(root, "$class", className);
        }
        return bytesOf(root);
    };
    const std::vector<Data> inputs{bytesOf(plist_new_array()),
                                   bytesOf(plist_new_string("ArchivedRecord")),
                                   withClass(nullptr),
                                   withClass(plist_new_string("NeverRegistered")),
                                   withClass(plist_new_uint(3)),
                                   withClass(plist_new_string("ArchivedSquare")),  // its decoder refuses
                                   withClass(plist_new_string("ThrowingRecord"))};
    for (std::size_t index = 0; index < inputs.size(); ++index) {
        EXPECT_EQ(KeyedUnarchiver::unarchiveObjectWithData(inputs[index]), nullptr) << index;
    }
}

TEST_F(KeyedArchiverTest, WrongKindsUnderKeysReadAsZeroValues) {
    plist_t root = plist_new_dict();
    plist_dict_set_item(root, "$class", plist_new_string("ArchivedRecord"));
    plist_dict_set_item(root, "number", plist_new_string("12"));
    plist_dict_set_item(root, "flag", plist_new_uint(1));
    plist_dict_set_item(root, "ratio", plist_new_bool(1));
    plist_dict_set_item(root, "name", plist_new_real(2.0));
    plist_dict_set_item(root, "when", plist_new_string("yesterday"));
    plist_dict_set_item(root, "bytes", plist_new_array());
    plist_dict_set_item(root, "child", plist_new_string("not an object"));
    const auto record = KeyedUnarchiver::unarchiveObjectOfClass<ArchivedRecord>(bytesOf(root));
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->number, 0);
    EXPECT_FALSE(record->flag);
    EXPECT_EQ(record->ratio, 0.0);
    EXPECT_EQ(record->name, "");
    EXPECT_FALSE(record->when.has_value());
    EXPECT_TRUE(record->bytes.empty());
    EXPECT_EQ(record->child, nullptr);
}

TEST_F(KeyedArchiverTest, ReferenceCyclesCannotBeArchived) {
    auto record = std::make_shared<ArchivedRecord>();
    record->child = record;
    EXPECT_FALSE(KeyedArchiver::archivedDataWithRootObject(*record).has_value());
    record->child.reset();

    // The deepest archive that can be written can also be read.
    auto deepest = std::make_shared<ArchivedRecord>();
    int levels = 1;
    while (true) {
        auto parent = std::make_shared<ArchivedRecord>();
        parent->child = deepest;
        if (!KeyedArchiver::archivedDataWithRootObject(*parent)) {
            break;
        }
        deepest = parent;
        ++levels;
    }
    EXPECT_EQ(levels, 64);
    const auto data = KeyedArchiver::archivedDataWithRootObject(*deepest);
    ASSERT_TRUE(data);
    EXPECT_NE(KeyedUnarchiver::unarchiveObjectWithData(*data), nullptr);
}

TEST_F(KeyedArchiverTest, RegistryServesConcurrentReadersAndWriters) {
    ArchivedRecord record;
    record.name = "shared";
    const auto data = KeyedArchiver::archivedDataWithRootObject(record);
    ASSERT_TRUE(data);
    std::atomic<int> decoded{0};
    std::vector<std::thread> threads;
    for (int thread = 0; thread < 4; ++thread) {
        threads.emplace_back([&, thread] {
            for (int round = 0; round < 200; ++round) {
                ArchiveRegistry::registerClass("Extra" + std::to_string(thread), &ArchivedRecord::decode);
                if (KeyedUnarchiver::unarchiveObjectWithData(*data)) {
                    ++decoded;
                }
            }
        });
    }
    for (auto& thread : threads) {
        thread.join();
    }
    EXPECT_EQ(decoded.load(), 800);
    EXPECT_TRUE(ArchiveRegistry::isRegistered("Extra3"));
}

}  // namespace
}  // namespace platform
