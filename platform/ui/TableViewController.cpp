#include "platform/ui/TableViewController.h"

#include "platform/ui/Screen.h"

namespace platform::ui {

std::shared_ptr<TableView> TableViewController::tableView() { return std::dynamic_pointer_cast<TableView>(view()); }

void TableViewController::loadView() {
    auto table = std::make_shared<TableView>(Screen::applicationFrame(), m_style);
    table->setAutoresizingMask(kAutoresizingFlexibleWidth | kAutoresizingFlexibleHeight);
    auto self = std::static_pointer_cast<TableViewController>(shared_from_this());
    table->setDataSource(std::weak_ptr<TableViewDataSource>(self));
    table->setDelegate(std::weak_ptr<TableViewDelegate>(self));
    setView(table);
}

void TableViewController::viewWillAppear(bool animated) {
    ViewController::viewWillAppear(animated);
    auto table = tableView();
    if (!table) {
        return;
    }
    if (!m_hasAppeared) {
        m_hasAppeared = true;
        table->reloadData();
    } else if (auto selected = table->indexPathForSelectedRow(); selected && m_clearsSelectionOnViewWillAppear) {
        table->deselectRow(*selected, animated);
    }
}

}  // namespace platform::ui
