#include "tests/platform/ui/SampleScreen.h"

#include "platform/base/Callback.h"

namespace platform::ui {

void SampleScreen::loadView() {
    auto root = std::make_shared<View>(Rect(0, 20, 320, 460));
    root->setBackgroundColor(gfx::Color::white());
    auto red = std::make_shared<View>(Rect(0, 0, 100, 100));
    red->setBackgroundColor(gfx::Color::rgba(1, 0, 0));
    auto blue = std::make_shared<View>(Rect(200, 0, 100, 100));
    blue->setBackgroundColor(gfx::Color::rgba(0, 0, 1));
    blue->setAlpha(0.5);
    auto green = std::make_shared<View>(Rect(100, 0, 100, 100));
    green->setBackgroundColor(gfx::Color::rgba(0, 1, 0));
    green->setHidden(true);
    label = std::make_shared<Label>(Rect(10, 110, 200, 30));
    label->setText("Today");
    auto self = std::static_pointer_cast<SampleScreen>(shared_from_this());
    button = std::make_shared<Button>(ButtonType::RoundedRect, Rect(220, 110, 90, 30));
    button->setTitle("Refresh");
    button->addAction(kControlEventTouchUpInside,
                      bindWeak(self, [](SampleScreen& screen, Control&) { screen.journal.push_back("refresh"); }));
    segments = std::make_shared<SegmentedControl>(std::vector<std::string>{"Now", "Hourly", "Daily"});
    segments->setFrame(Rect(10, 150, 300, 30));
    segments->setSelectedSegmentIndex(0);
    segments->addAction(
        kControlEventValueChanged, bindWeak(self, [](SampleScreen& screen, Control& control) {
            screen.journal.push_back("segment " +
                                     std::to_string(static_cast<SegmentedControl&>(control).selectedSegmentIndex()));
        }));
    field = std::make_shared<TextField>(Rect(10, 200, 300, 31));
    field->setPlaceholder("City");
    field->setBorderStyle(TextBorderStyle::RoundedRect);
    table = std::make_shared<TableView>(Rect(0, 250, 320, 210));
    table->setDataSource(std::weak_ptr<TableViewDataSource>(self));
    table->setDelegate(std::weak_ptr<TableViewDelegate>(self));
    for (const auto& view :
         std::vector<std::shared_ptr<View>>{red, blue, green, label, button, segments, field, table}) {
        root->addSubview(view);
    }
    setView(root);
}

std::shared_ptr<TableViewCell> SampleScreen::tableViewCellForRow(TableView& table, const IndexPath& path) {
    auto cell = table.dequeueReusableCell("Row");
    if (!cell) {
        cell = std::make_shared<TableViewCell>(TableViewCellStyle::Default, "Row");
    }
    cell->textLabel()->setText("Row " + std::to_string(path.row));
    return cell;
}

}  // namespace platform::ui
