#include "bench/app/core/model/LargeAggregate.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

#include <nlohmann/json.hpp>

namespace qovbench {

namespace {

nlohmann::ordered_json readFixture(const char* name) {
    std::ifstream file(std::string(QOV_BENCH_FIXTURES_DIR) + "/model/" + name);
    if (!file) {
        throw std::runtime_error(std::string("missing fixture ") + name);
    }
    return nlohmann::ordered_json::parse(file);
}

// Appends copies of the section's first element, each dated step seconds after the previous one.
void grow(nlohmann::ordered_json& section, const char* dateKey, double step, std::size_t count) {
    const nlohmann::ordered_json first = section.at(0);
    const double start = first.at(dateKey).get<double>();
    section = nlohmann::ordered_json::array();
    for (std::size_t index = 0; index < count; ++index) {
        nlohmann::ordered_json element = first;
        element[dateKey] = start + step * static_cast<double>(index);
        section.push_back(std::move(element));
    }
}

}  // namespace

std::string largeAggregateAnswer(std::size_t minimumBytes) {
    nlohmann::ordered_json answer = readFixture("aggregate_us_full.json");
    nlohmann::ordered_json& record = answer.at(0);
    grow(record["DailyForecasts"], "validDate", 86400, 15);
    grow(record["NarrativeForecasts"], "validDate", 43200, 30);
    grow(record["SunRiseSet"], "rise", 86400, 15);
    for (std::size_t hours = 48;; hours += 24) {
        grow(record["HourlyForecasts"], "dateTime", 3600, hours);
        grow(record["HourlyHiradForecasts"], "validDate", 900, hours);
        std::string text = answer.dump();
        if (text.size() >= minimumBytes) {
            return text;
        }
    }
}

}  // namespace qovbench
