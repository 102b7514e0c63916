#include "platform/storage/NetcdfFile.h"

#include <netcdf.h>

namespace platform {

NetcdfFile::NetcdfFile(const std::string& path) : m_open(nc_open(path.c_str(), NC_NOWRITE, &m_id) == NC_NOERR) {}

NetcdfFile::~NetcdfFile() {
    if (m_open) {
        nc_close(m_id);
    }
}

std::optional<std::vector<int>> NetcdfFile::ints(const char* name, std::size_t length) const {
    int variable = 0;
    int dimensions = 0;
    int dimension = 0;
    std::size_t actual = 0;
    if (!m_open || nc_inq_varid(m_id, name, &variable) != NC_NOERR ||
        nc_inq_varndims(m_id, variable, &dimensions) != NC_NOERR || dimensions != 1 ||
        nc_inq_vardimid(m_id, variable, &dimension) != NC_NOERR ||
        nc_inq_dimlen(m_id, dimension, &actual) != NC_NOERR || actual != length) {
        return std::nullopt;
    }
    std::vector<int> values(length);
    if (length > 0 && nc_get_var_int(m_id, variable, values.data()) != NC_NOERR) {
        return std::nullopt;
    }
    return values;
}

std::optional<std::vector<int>> NetcdfFile::range(const char* name, std::size_t first, std::size_t count) const {
    int variable = 0;
    std::vector<int> values(count);
    const std::size_t start[1] = {first};
    const std::size_t length[1] = {count};
    if (!m_open || nc_inq_varid(m_id, name, &variable) != NC_NOERR ||
        (count > 0 && nc_get_vara_int(m_id, variable, start, length, values.data()) != NC_NOERR)) {
        return std::nullopt;
    }
    return values;
}

std::optional<int> NetcdfFile::scalar(const char* name) const {
    const auto values = ints(name, 1);
    return values ? std::optional<int>(values->front()) : std::nullopt;
}

}  // namespace platform
