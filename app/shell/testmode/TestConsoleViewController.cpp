#include "app/shell/testmode/TestConsoleViewController.h"

#include "app/shell/application/QOVAppDelegate.h"
#include "app/shell/root/QOVMasterViewController.h"
#include "app/ui/tabbar/SlidingTabBarItem.h"
#include "app/ui/text/LocalizedFormat.h"
#include "platform/base/Callback.h"
#include "platform/base/Log.h"
#include "platform/base/ProcessInstance.h"
#include "platform/ui/Image.h"
#include "platform/ui/Label.h"

namespace qov {

namespace {

constexpr double kRowPadding = 5.0;
constexpr double kLongestText = 9999.0;

const platform::gfx::Font& consoleFont() {
    static platform::NeverDestroyed<const platform::gfx::Font> font("Helvetica", 12.0);
    return *font;
}

double textHeight(const std::string& line) {
    return std::min(consoleFont().sizeOfText(line, TestConsoleViewController::kTextWidth).height, kLongestText);
}

std::shared_ptr<platform::ui::TableViewCell> makeConsoleCell() {
    auto cell = std::make_shared<platform::ui::TableViewCell>(platform::ui::TableViewCellStyle::Default,
                                                              TestConsoleViewController::kCellIdentifier);
    auto background =
        std::make_shared<platform::ui::View>(platform::ui::Rect(0.0, 0.0, TestConsoleViewController::kTextWidth, 0.0));
    background->setTag(TestConsoleViewController::kBackgroundTag);
    auto text =
        std::make_shared<platform::ui::Label>(platform::ui::Rect(0.0, 0.0, TestConsoleViewController::kTextWidth, 0.0));
    text->setTag(TestConsoleViewController::kTextTag);
    text->setNumberOfLines(0);
    text->setBackgroundColor(platform::gfx::Color::clear());
    cell->contentView()->addSubview(background);
    cell->contentView()->addSubview(text);
    cell->setSelectionStyle(platform::ui::TableViewCellSelectionStyle::None);
    return cell;
}

}  // namespace

TestConsoleViewController::TestConsoleViewController(const std::string& nibName) : QOVViewController(nibName) {
    setTitle(localized("testconsole.tabbar.title"));
    setSlidingTabBarItem(SlidingTabBarItem::create(
        "console", title(), platform::ui::Image::named("tabbar-icon-console.png"), 1, "TestConsole", "TESTCONSOLE"));
}

TestConsoleViewController::~TestConsoleViewController() { stopRefreshing(); }

void TestConsoleViewController::viewDidLoad() {
    QOVViewController::viewDidLoad();
    if (m_consoleTableView) {
        const auto self = std::static_pointer_cast<TestConsoleViewController>(shared_from_this());
        m_consoleTableView->setDataSource(std::static_pointer_cast<platform::ui::TableViewDataSource>(self));
        m_consoleTableView->setDelegate(std::static_pointer_cast<platform::ui::TableViewDelegate>(self));
    }
    updateLogData();
}

void TestConsoleViewController::viewWillAppear(bool animated) {
    QOVViewController::viewWillAppear(animated);
    if (const auto master = masterViewController()) {
        master->hideLocationBar(true);
        // The content view has grown over the location bar: the log fills it down to the tab strip.
        if (master->m_contentView) {
            view()->setFrame(master->m_contentView->bounds());
        }
    }
    stopRefreshing();
    const auto self = std::static_pointer_cast<TestConsoleViewController>(shared_from_this());
    m_refreshTimer = platform::RunLoop::main().scheduleTimer(
        kRefreshInterval, true, platform::bindWeak(self, [](TestConsoleViewController& console, platform::Timer&) {
            console.updateLogData();
        }));
}

void TestConsoleViewController::viewWillDisappear(bool animated) {
    QOVViewController::viewWillDisappear(animated);
    if (const auto master = masterViewController()) {
        master->showLocationBar(true);
    }
    stopRefreshing();
}

void TestConsoleViewController::stopRefreshing() {
    if (m_refreshTimer) {
        m_refreshTimer->invalidate();
        m_refreshTimer.reset();
    }
}

void TestConsoleViewController::updateLogData() {
    if (!m_autoUpdateSwitch || !m_autoUpdateSwitch->isOn()) {
        return;
    }
    const auto delegate = QOVAppDelegate::currentAppDelegate();
    const auto logger = delegate ? delegate->memLogger() : nullptr;
    platform::Log::flush();
    m_logBuffer = logger ? logger->lines() : std::vector<std::string>{};
    if (!m_consoleTableView) {
        return;
    }
    m_consoleTableView->reloadData();
    if (!m_logBuffer.empty()) {
        m_consoleTableView->scrollToRow({0, static_cast<int>(m_logBuffer.size()) - 1},
                                        platform::ui::TableViewScrollPosition::Bottom, true);
    }
}

int TestConsoleViewController::tableViewNumberOfRowsInSection(platform::ui::TableView&, int) {
    return static_cast<int>(m_logBuffer.size());
}

std::optional<double> TestConsoleViewController::tableViewHeightForRow(platform::ui::TableView&,
                                                                       const platform::ui::IndexPath& indexPath) {
    const auto row = static_cast<std::size_t>(indexPath.row);
    return (row < m_logBuffer.size() ? textHeight(m_logBuffer[row]) : 0.0) + kRowPadding;
}

std::shared_ptr<platform::ui::TableViewCell> TestConsoleViewController::tableViewCellForRow(
    platform::ui::TableView& tableView, const platform::ui::IndexPath& indexPath) {
    auto cell = tableView.dequeueReusableCell(kCellIdentifier);
    if (!cell) {
        cell = makeConsoleCell();
    }
    const auto row = static_cast<std::size_t>(indexPath.row);
    const std::string line = row < m_logBuffer.size() ? m_logBuffer[row] : std::string();
    const double height = textHeight(line);
    if (auto text = std::dynamic_pointer_cast<platform::ui::Label>(cell->contentView()->viewWithTag(kTextTag))) {
        text->setFont(consoleFont());
        text->setText(line);
        text->setFrame(platform::ui::Rect(0.0, 0.0, kTextWidth, height));
    }
    if (const auto background = cell->contentView()->viewWithTag(kBackgroundTag)) {
        background->setFrame(platform::ui::Rect(0.0, 0.0, kTextWidth, height + kRowPadding));
    }
    return cell;
}

}  // namespace qov
