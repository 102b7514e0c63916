#include "app/legacymaps/cache/LRUCachedDictionary.h"

#include <sstream>
#include <string>
#include <vector>

#include "tests/support/ManualClockFixture.h"

namespace {

struct Tag : platform::Object {};

// A scenario is a list of steps: "+K" stores K, "+K/S" stores K stale after S seconds, "?K" reads K, "tS" moves
// the clock S seconds. `present` lists the keys that read back afterwards (in order), `held` the entries the
// store still holds before those reads.
struct Scenario {
    const char* name;
    std::size_t capacity;
    const char* steps;
    const char* present;
    std::size_t held;
};

// ctest lists the scenario by its name, not its bytes.
void PrintTo(const Scenario& scenario, std::ostream* stream) { *stream << scenario.name; }

class LRUCachedDictionaryTest : public qovtest::ManualClockFixture, public ::testing::WithParamInterface<Scenario> {};

TEST_P(LRUCachedDictionaryTest, EvictsLeastRecentlyReadAndExpires) {
    const Scenario& scenario = GetParam();
    qov::LRUCachedDictionary cache(clock());
    cache.setMaximumNumberOfObjects(scenario.capacity);
    std::istringstream steps(scenario.steps);
    for (std::string step; steps >> step;) {
        const std::string rest = step.substr(1);
        if (step[0] == 't') {
            clock()->advance(std::stod(rest));
        } else if (step[0] == '?') {
            cache.objectForKey(rest);
        } else if (const auto slash = rest.find('/'); slash != std::string::npos) {
            cache.setObject(std::make_shared<Tag>(), rest.substr(0, slash), std::stod(rest.substr(slash + 1)));
        } else {
            cache.setObject(std::make_shared<Tag>(), rest);
        }
    }
    EXPECT_EQ(cache.count(), scenario.held);
    std::string present;
    for (const char* key : {"A", "B", "C", "D", "E"}) {
        if (cache.objectForKey(key)) {
            present += key;
        }
    }
    EXPECT_EQ(present, scenario.present);
}

INSTANTIATE_TEST_SUITE_P(Scenarios, LRUCachedDictionaryTest,
                         ::testing::Values(Scenario{"ReadKeepsAnEntry", 2, "+A +B ?A +C", "AC", 2},
                                           Scenario{"ReadKeepsAnEntryAcrossClockTime", 2, "+A t1 +B t1 ?A t1 +C", "AC",
                                                    2},
                                           Scenario{"NoCapacityNeverEvicts", 0, "+A +B +C +D +E", "ABCDE", 5},
                                           Scenario{"ZeroIntervalNeverStale", 0, "+A/0 t100000", "A", 1},
                                           Scenario{"StaleAtItsInterval", 0, "+A/10 +B t10", "B", 2},
                                           Scenario{"FreshJustBeforeItsInterval", 0, "+A/10 t9.5", "A", 1},
                                           Scenario{"StaleReadRemovesTheEntry", 0, "+A/10 +B t10 ?A", "B", 1},
                                           Scenario{"StaleEntriesGoBeforeFreshOnes", 2, "+A/5 +B t5 +C", "BC", 2},
                                           Scenario{"RestoringCountsAsRecent", 2, "+A +B +A +C", "AC", 2},
                                           Scenario{"OverflowByManyEvictsTheOldest", 3, "+A +B +C +D +E ?C", "CDE", 3}),
                         [](const auto& info) { return std::string(info.param.name); });

using LRUCachedDictionaryDefaults = qovtest::ManualClockFixture;

TEST_F(LRUCachedDictionaryDefaults, StalenessAppliesToPlainStores) {
    qov::LRUCachedDictionary cache(clock());
    cache.setDefaultStalenessInterval(30.0);
    cache.setObject(std::make_shared<Tag>(), "A");
    advance(30.0);
    EXPECT_EQ(cache.objectForKey("A"), nullptr);
}

}  // namespace
