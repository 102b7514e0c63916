#pragma once

#include <memory>
#include <string>

#include <gtest/gtest.h>
#include <httplib.h>
#include <nlohmann/json.hpp>

#include "platform/base/Clock.h"
#include "sim/ServiceKey.h"
#include "tests/support/SimFixture.h"
#include "tests/support/TestBundle.h"

namespace qovtest {

// A stand-in service on a manual clock (2027-01-15 08:00 UTC unless a test moves it) with the application
// bundle in place, and a client that sends the bundle's API key like the data-service client does.
class ServiceRoutesFixture : public SimFixture {
protected:
    static constexpr double kStartTime = 1'800'000'000.0;

    qovsim::SimServer::Options simOptions() const override {
        qovsim::SimServer::Options options;
        options.clock = m_clock;
        return options;
    }

    platform::ManualClock& clock() { return *m_clock; }

    // GET path (which may hold a query) with "key" appended; the answer must come.
    httplib::Result get(const std::string& path, const std::string& key = qovsim::ServiceKey::expected()) {
        httplib::Client client("127.0.0.1", sim().port());
        client.set_read_timeout(10);
        const char separator = path.find('?') == std::string::npos ? '?' : '&';
        return client.Get(path + separator + "key=" + httplib::detail::encode_query_param(key));
    }

    // The JSON body of a GET answered with 200.
    nlohmann::json getJson(const std::string& path) {
        auto response = get(path);
        EXPECT_TRUE(response) << path;
        if (!response) {
            return nullptr;
        }
        EXPECT_EQ(response->status, 200) << path;
        return nlohmann::json::parse(response->body, nullptr, false);
    }

    static bool isKeyRefusal(const httplib::Result& response) {
        if (!response || response->status != 200) {
            return false;
        }
        const auto body = nlohmann::json::parse(response->body, nullptr, false);
        return body.is_object() && body.value("class", "") == "error" && body.value("cat", "") == "key";
    }

private:
    TestBundle m_bundle;
    std::shared_ptr<platform::ManualClock> m_clock =
        std::make_shared<platform::ManualClock>(platform::Date{kStartTime});
};

}  // namespace qovtest
