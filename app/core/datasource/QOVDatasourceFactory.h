#pragma once

#include <memory>
#include <mutex>

#include "platform/base/Object.h"

namespace qov {

class QOVDatasouce;

// The process-wide holder of the data-service client in use (a DS2JSONDatasource unless replaced). The
// application cache takes its client from here when it is made; other callers reach it the same way.
class QOVDatasourceFactory : public platform::Object {
public:
    // Made on first use, with a DS2JSONDatasource; lives for the process.
    static std::shared_ptr<QOVDatasourceFactory> sharedInstance();

    QOVDatasourceFactory();

    std::shared_ptr<QOVDatasouce> datasource() const;
    // Tests and the runner install a client of their own (for instance one aimed at the stand-in service).
    void setDatasource(std::shared_ptr<QOVDatasouce> datasource);

private:
    mutable std::mutex m_mutex;
    std::shared_ptr<QOVDatasouce> m_datasource;
};

}  // namespace qov
