#pragma once

#include <memory>
#include <typeinfo>

#include "platform/base/Object.h"
#include "platform/ui/InterfaceFile.h"
#include "platform/ui/TableView.h"
#include "platform/ui/TableViewCell.h"

namespace qov {

// Base of the application's table cells; a cell class comes from the interface file named after it and is
// reused under its class name.
class QOVTableViewCell : public platform::ui::TableViewCell {
public:
    using TableViewCell::TableViewCell;

    // A reusable T from the table's pool (identifier: T's class name), else the first top-level object of
    // the interface file named after T; nullptr (logged) when neither gives one.
    template <typename T>
    static std::shared_ptr<T> cellFromTableView(platform::ui::TableView& tableView) {
        const auto name = platform::Object::unqualifiedTypeName(typeid(T).name());
        if (auto cell = std::dynamic_pointer_cast<T>(tableView.dequeueReusableCell(name))) {
            return cell;
        }
        return platform::ui::InterfaceFile::loadFirst<T>(name);
    }

    // Fades the cell's data; subclasses that show data override it.
    virtual void setAlphaForDataElements(double /*alpha*/) {}
};

}  // namespace qov
