#pragma once

#include <memory>
#include <string>

#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/View.h"

namespace platform::ui {

enum class TableViewCellStyle { Default = 0, Value1, Value2, Subtitle };
enum class TableViewCellAccessoryType { None = 0, DisclosureIndicator, DetailDisclosureButton, Checkmark };
enum class TableViewCellSelectionStyle { None = 0, Blue, Gray };

// One row of a table: a content view holding a text label, a detail label (all styles but Default) and an
// image view, plus an accessory on the right. Cells with a reuse identifier return to the table's pool
// when they scroll away and come back through dequeueReusableCell (prepareForReuse() first).
class TableViewCell : public View {
public:
    static constexpr double kAccessoryWidth = 20.0;

    explicit TableViewCell(TableViewCellStyle style = TableViewCellStyle::Default, std::string reuseIdentifier = {});

    TableViewCellStyle style() const { return m_style; }
    const std::string& reuseIdentifier() const { return m_reuseIdentifier; }

    const std::shared_ptr<View>& contentView() const { return m_contentView; }
    const std::shared_ptr<Label>& textLabel() const { return m_textLabel; }
    // nullptr in the Default style.
    const std::shared_ptr<Label>& detailTextLabel() const { return m_detailTextLabel; }
    const std::shared_ptr<ImageView>& imageView() const { return m_imageView; }

    TableViewCellAccessoryType accessoryType() const { return m_accessoryType; }
    void setAccessoryType(TableViewCellAccessoryType type);
    // A view shown in place of the accessory type.
    const std::shared_ptr<View>& accessoryView() const { return m_accessoryView; }
    void setAccessoryView(std::shared_ptr<View> view);
    TableViewCellSelectionStyle selectionStyle() const { return m_selectionStyle; }
    void setSelectionStyle(TableViewCellSelectionStyle style) { m_selectionStyle = style; }
    bool isSelected() const { return m_selected; }
    virtual void setSelected(bool selected, bool animated = false);

    // Called before the table hands the cell out again.
    virtual void prepareForReuse() {}

    // Whether the cell or anything in it shows the text.
    bool showsText(const std::string& text) const;

    std::string text() const override { return m_textLabel->text(); }
    void layoutSubviews() override;
    void draw(gfx::BitmapContext& context) const override;

private:
    TableViewCellStyle m_style;
    std::string m_reuseIdentifier;
    std::shared_ptr<View> m_contentView;
    std::shared_ptr<Label> m_textLabel;
    std::shared_ptr<Label> m_detailTextLabel;
    std::shared_ptr<ImageView> m_imageView;
    TableViewCellAccessoryType m_accessoryType = TableViewCellAccessoryType::None;
    std::shared_ptr<View> m_accessoryView;
    TableViewCellSelectionStyle m_selectionStyle = TableViewCellSelectionStyle::Blue;
    bool m_selected = false;
};

}  // namespace platform::ui
