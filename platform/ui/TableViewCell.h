#pragma once

#include <memory>
#include <string>

#include "platform/ui/Button.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/TableViewCellControls.h"
#include "platform/ui/View.h"

namespace platform::ui {

enum class TableViewCellStyle { Default = 0, Value1, Value2, Subtitle };
enum class TableViewCellAccessoryType { None = 0, DisclosureIndicator, DetailDisclosureButton, Checkmark };
enum class TableViewCellSelectionStyle { None = 0, Blue, Gray };

// One row of a table: a content view holding a text label, a detail label (all styles but Default) and an
// image view, plus an accessory on the right. Cells with a reuse identifier return to the table's pool
// when they scroll away and come back through dequeueReusableCell (prepareForReuse() first).
//
// While its table is edited the table gives the cell its editing state: the content moves right to make room
// for the edit control (unless the row is not indented), the accessory gives way to the reorder control of a
// movable row, and a tap on a delete control shows the red "Delete" button that commits the deletion.
class TableViewCell : public View {
public:
    static constexpr double kAccessoryWidth = 20.0;
    static constexpr double kEditingIndentation = 32.0;
    static constexpr double kReorderControlWidth = 32.0;
    static constexpr const char* kDeleteConfirmationTitle = "Delete";

    struct EditingState {
        bool editing = false;
        TableViewCellEditingStyle style = TableViewCellEditingStyle::None;
        bool indents = false;
        bool movable = false;
        bool operator==(const EditingState&) const = default;
    };

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

    bool isEditing() const { return m_editingState.editing; }
    const EditingState& editingState() const { return m_editingState; }
    // Set by the table; leaving editing also hides the delete confirmation.
    void setEditingState(const EditingState& state);
    bool showsDeleteConfirmation() const { return m_showsDeleteConfirmation; }
    // Only a row with a delete control shows the confirmation.
    void setShowsDeleteConfirmation(bool shows);
    const std::shared_ptr<TableViewCellEditControl>& editControl() const { return m_editControl; }
    const std::shared_ptr<TableViewCellReorderControl>& reorderControl() const { return m_reorderControl; }
    // Shown for the detail disclosure accessory (without an accessory view), except while editing.
    const std::shared_ptr<TableViewCellDisclosureButton>& disclosureButton() const { return m_disclosureButton; }
    // The red "Delete" button; its tap asks the table to delete the row.
    const std::shared_ptr<Button>& deleteConfirmationButton() const { return m_deleteConfirmation; }
    // The line under the row (the table's separator colour).
    void setSeparatorColor(const gfx::Color& color);

    // Whether the cell or anything in it shows the text.
    bool showsText(const std::string& text) const;

    std::string text() const override { return m_textLabel->text(); }
    void layoutSubviews() override;
    void draw(gfx::BitmapContext& context) const override;

private:
    void confirmDeletion();

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
    EditingState m_editingState;
    bool m_showsDeleteConfirmation = false;
    std::shared_ptr<TableViewCellEditControl> m_editControl;
    std::shared_ptr<TableViewCellReorderControl> m_reorderControl;
    std::shared_ptr<TableViewCellDisclosureButton> m_disclosureButton;
    std::shared_ptr<Button> m_deleteConfirmation;
    gfx::Color m_separatorColor = gfx::Color::lightGray();
};

}  // namespace platform::ui
