#include "app/shell/application/ApplicationInterfaceFiles.h"

#include "app/shell/application/QOVAppDelegate.h"
#include "platform/ui/InterfaceFile.h"
#include "platform/ui/Window.h"

namespace qov {

// "MainWindow": the application delegate and its window.
void registerApplicationInterfaceFiles() {
    platform::ui::InterfaceFile::registerBuilder(QOVAppDelegate::kMainInterfaceFile,
                                                 [](platform::ui::InterfaceContext& file) {
                                                     auto delegate = file.makeTopLevel<QOVAppDelegate>();
                                                     auto window = file.makeTopLevel<platform::ui::Window>();
                                                     delegate->setWindow(window);
                                                 });
}

}  // namespace qov
