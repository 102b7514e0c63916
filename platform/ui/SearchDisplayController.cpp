#include "platform/ui/SearchDisplayController.h"

#include <algorithm>

#include "platform/base/Callback.h"
#include "platform/ui/Keyboard.h"
#include "platform/ui/Screen.h"
#include "platform/ui/TapGestureRecognizer.h"

namespace platform::ui {

std::shared_ptr<SearchDisplayController> SearchDisplayController::create(
    std::shared_ptr<SearchBar> searchBar, const std::shared_ptr<ViewController>& contentsController) {
    auto controller = std::make_shared<SearchDisplayController>(std::move(searchBar), contentsController);
    if (controller->m_searchBar) {
        controller->m_searchBar->setDisplayController(controller);
    }
    controller->m_dimmingView->addGestureRecognizer(std::make_shared<TapGestureRecognizer>(bindWeak(
        controller, [](SearchDisplayController& search, TapGestureRecognizer&) { search.setActive(false, true); })));
    return controller;
}

SearchDisplayController::SearchDisplayController(std::shared_ptr<SearchBar> searchBar,
                                                 const std::shared_ptr<ViewController>& contents)
    : m_searchBar(std::move(searchBar)),
      m_contentsController(contents),
      m_resultsTable(std::make_shared<TableView>()),
      m_dimmingView(std::make_shared<View>()) {
    m_dimmingView->setBackgroundColor(gfx::Color::white(0.0, 0.6));
}

void SearchDisplayController::setSearchResultsDataSource(std::weak_ptr<TableViewDataSource> dataSource) {
    m_resultsTable->setDataSource(std::move(dataSource));
}

void SearchDisplayController::setSearchResultsDelegate(std::weak_ptr<TableViewDelegate> delegate) {
    m_resultsTable->setDelegate(std::move(delegate));
}

Rect SearchDisplayController::areaBelowBar(bool aboveKeyboard) const {
    const auto contents = m_contentsController.lock();
    if (!contents || !m_searchBar) {
        return Rect();
    }
    const Rect view = contents->view()->bounds();
    const double top = m_searchBar->frame().maxY();
    double bottom = view.maxY();
    if (aboveKeyboard && m_searchBar->isEditing()) {
        const double keyboardTop = Screen::bounds().height() - Keyboard::kHeight;
        bottom = std::min(bottom, keyboardTop - contents->view()->frameInWindow().y());
    }
    return Rect(0.0, top, view.width(), std::max(0.0, bottom - top));
}

void SearchDisplayController::setActive(bool active, bool) {
    const auto contents = m_contentsController.lock();
    if (active == m_active || !contents || !m_searchBar) {
        return;
    }
    const auto delegate = m_delegate.lock();
    m_active = active;
    if (active) {
        if (delegate) {
            delegate->searchDisplayControllerWillBeginSearch(*this);
        }
        m_barFrame = m_searchBar->frame();
        m_searchBar->setFrame(Rect(0.0, m_barFrame.y(), contents->view()->bounds().width(), m_barFrame.height()));
        m_searchBar->setShowsCancelButton(true, true);
        m_dimmingView->setFrame(areaBelowBar(false));
        contents->view()->addSubview(m_dimmingView);
        m_searchBar->becomeFirstResponder();
        searchTextDidChange();
        if (const auto told = m_delegate.lock()) {
            told->searchDisplayControllerDidBeginSearch(*this);
        }
        return;
    }
    if (delegate) {
        delegate->searchDisplayControllerWillEndSearch(*this);
    }
    m_searchBar->setText({});
    m_searchBar->setShowsCancelButton(false, true);
    m_searchBar->resignFirstResponder();
    m_searchBar->setFrame(m_barFrame);
    m_resultsTable->removeFromSuperview();
    m_dimmingView->removeFromSuperview();
    if (const auto told = m_delegate.lock()) {
        told->searchDisplayControllerDidEndSearch(*this);
    }
}

void SearchDisplayController::searchTextDidChange() {
    const auto contents = m_contentsController.lock();
    if (!m_active || !contents) {
        return;
    }
    const std::string text = m_searchBar->text();
    const auto delegate = m_delegate.lock();
    if (!delegate || delegate->searchDisplayControllerShouldReloadTableForSearchString(*this, text)) {
        m_resultsTable->reloadData();
    }
    if (text.empty()) {
        m_resultsTable->removeFromSuperview();
        return;
    }
    m_resultsTable->setFrame(areaBelowBar(true));
    if (m_resultsTable->superview() != contents->view()) {
        contents->view()->addSubview(m_resultsTable);
    }
}

}  // namespace platform::ui
