#include "app/core/model/JsonDictionary.h"

namespace qov {

JsonDictionary::JsonDictionary(simdjson::dom::object object) : m_object(object), m_cursor(m_object.begin()) {}

}  // namespace qov
