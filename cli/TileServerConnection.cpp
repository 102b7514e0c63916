#include "cli/TileServerConnection.h"

#include "app/core/services/ApplicationCachesDirectory.h"
#include "app/maps/cache/QOVMapCache.h"
#include "app/maps/datasource/QOVTileServerDatasource.h"

namespace qovcli {

void aimTileServerAt(const std::string& host) {
    const auto client = qov::QOVTileServerDatasource::create();
    client->setTileServerHosts("http://" + host, "http://" + host);
    qov::QOVMapCache::setSharedInstance(qov::QOVMapCache::create(qov::ApplicationCachesDirectory::path(), client));
}

}  // namespace qovcli
