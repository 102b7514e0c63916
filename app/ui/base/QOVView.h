#pragma once

#include <memory>
#include <typeinfo>

#include "platform/base/Object.h"
#include "platform/ui/InterfaceFile.h"
#include "platform/ui/View.h"

namespace qov {

// Base of the application's views that come from interface files named after their class.
class QOVView : public platform::ui::View {
public:
    using View::View;

    // The first top-level object of the interface file named after T (no owner), or nullptr (logged) when
    // the file is missing or starts with another class.
    template <typename T>
    static std::shared_ptr<T> viewFromNIB() {
        return platform::ui::InterfaceFile::loadFirst<T>(platform::Object::unqualifiedTypeName(typeid(T).name()));
    }
    template <typename T>
    static std::shared_ptr<T> viewFromNIBWithFrame(const platform::ui::Rect& frame) {
        auto view = viewFromNIB<T>();
        if (view) {
            view->setFrame(frame);
        }
        return view;
    }
};

}  // namespace qov
