#include "app/core/datasource/QOVDatasourceFactory.h"

#include "app/core/datasource/DS2JSONDatasource.h"
#include "platform/base/ProcessInstance.h"

namespace qov {

std::shared_ptr<QOVDatasourceFactory> QOVDatasourceFactory::sharedInstance() {
    static platform::NeverDestroyed<std::shared_ptr<QOVDatasourceFactory>> instance(
        std::make_shared<QOVDatasourceFactory>());
    return *instance;
}

QOVDatasourceFactory::QOVDatasourceFactory() : m_datasource(std::make_shared<DS2JSONDatasource>()) {}

std::shared_ptr<QOVDatasouce> QOVDatasourceFactory::datasource() const {
    const std::lock_guard lock(m_mutex);
    return m_datasource;
}

void QOVDatasourceFactory::setDatasource(std::shared_ptr<QOVDatasouce> datasource) {
    const std::lock_guard lock(m_mutex);
    m_datasource = std::move(datasource);
}

}  // namespace qov
