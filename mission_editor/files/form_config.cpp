#include "mission_editor/files/form_config.h"

#include "mission_editor/files/mission_writer.h"

#include "platform/text/vb.h"
#include "platform/ui/message_boxes.h"

#include <string>

namespace plotwright {

namespace {

std::string restText(int freeCharacters)
{
    return "Falta: " + std::to_string(freeCharacters);
}

} // namespace

FormConfig::FormConfig(MissionModel& model, EditorWindow& editor)
    : Form("Configurations..."), m_model(model), m_editor(editor)
{
    resize(330, 268);
    TitleLabel.move(10, 8, 310, 16);
    TitleText.move(10, 24, 310, 21);
    AutorLabel.move(10, 52, 310, 16);
    AutorText.move(10, 68, 310, 21);
    SizeLabel.move(10, 96, 310, 16);
    WidthText.move(10, 112, 40, 21);
    WScr.move(54, 112, 100, 21);
    HeightText.move(170, 112, 40, 21);
    HScr.move(214, 112, 100, 21);
    BriefLabel.move(10, 140, 150, 16);
    Rest.move(170, 140, 150, 16);
    Rest.setAlignment(platform::ui::Label::Alignment::Right);
    Rest.setCaption(restText(MaxBriefLength));
    Brief.move(10, 156, 310, 64);
    Brief.setMaxLength(MaxBriefLength);
    ChangeButton.move(10, 230, 90, 28);
    CancelButton.move(230, 230, 90, 28);

    for (platform::ui::HScrollBar* bar : {&WScr, &HScr}) {
        bar->setRange(MinMapSize, MaxMapSize);
        bar->setSmallChange(1);
        bar->setLargeChange(10);
    }

    onLoad = [this] { m_editor.placeDialog(*this); };
    onUnload = [this](bool& cancel) { Form_Unload(cancel); };
    WScr.onChange = [this] { WScr_Change(); };
    WScr.onScroll = [this] { WScr_Scroll(); };
    HScr.onChange = [this] { HScr_Change(); };
    HScr.onScroll = [this] { HScr_Scroll(); };
    WidthText.onChange = [this] { WidthText_Change(); };
    HeightText.onChange = [this] { HeightText_Change(); };
    WidthText.onLostFocus = [this] { WidthText_LostFocus(); };
    HeightText.onLostFocus = [this] { HeightText_LostFocus(); };
    Brief.onChange = [this] { Brief_Change(); };
    ChangeButton.onClick = [this] { ChangeButton_Click(); };
    CancelButton.onClick = [this] { CancelButton_Click(); };
}

void FormConfig::bringUp()
{
    show();
    Form_Activate();
}

void FormConfig::Form_Activate()
{
    WidthText.setText(std::to_string(m_model.MapWidth));
    HeightText.setText(std::to_string(m_model.MapHeight));
    AutorText.setText(m_model.MissionAuthor);
    Brief.setText(m_model.MissionBrief);
    TitleText.setText(m_model.NewPending ? std::string(UntitledName) : m_model.MissionTitle);
    WScr.setValue(m_model.MapWidth);
    HScr.setValue(m_model.MapHeight);
}

void FormConfig::Form_Unload(bool& /*cancel*/)
{
    // Leaving the dialog ends the making of a new mission: after Alter it is made, after Back it
    // is dropped, and a later Alter only changes the settings.
    m_model.NewPending = false;
    m_editor.setEditorEnabled(true);
}

void FormConfig::WScr_Change()
{
    if (m_followingText) {
        return;
    }
    WidthText.setText(std::to_string(WScr.value()));
}

void FormConfig::WScr_Scroll()
{
    WScr_Change();
}

void FormConfig::HScr_Change()
{
    if (m_followingText) {
        return;
    }
    HeightText.setText(std::to_string(HScr.value()));
}

void FormConfig::HScr_Scroll()
{
    HScr_Change();
}

void FormConfig::clampSize(platform::ui::TextBox& box, platform::ui::ScrollBar& bar)
{
    const double value = vb::val(box.text());
    const int size = value < MinMapSize   ? MinMapSize
                     : value > MaxMapSize ? MaxMapSize
                                          : static_cast<int>(vb::nearest(value));
    // The box then shows the size its bar holds.
    box.setText(std::to_string(size));
    bar.setValue(size);
}

void FormConfig::followSize(const platform::ui::TextBox& box, platform::ui::ScrollBar& bar)
{
    const double value = vb::val(box.text());
    if (value >= MinMapSize && value <= MaxMapSize) {
        // The bar follows what is typed without writing its value back over it.
        m_followingText = true;
        bar.setValue(static_cast<int>(vb::nearest(value)));
        m_followingText = false;
    }
}

void FormConfig::WidthText_Change()
{
    followSize(WidthText, WScr);
}

void FormConfig::HeightText_Change()
{
    followSize(HeightText, HScr);
}

void FormConfig::WidthText_LostFocus()
{
    clampSize(WidthText, WScr);
}

void FormConfig::HeightText_LostFocus()
{
    clampSize(HeightText, HScr);
}

void FormConfig::Brief_Change()
{
    const std::string text = Brief.text();
    if (!text.empty()) {
        Rest.setCaption(restText(MaxBriefLength - static_cast<int>(text.size())));
    }
}

void FormConfig::ChangeButton_Click()
{
    for (const platform::ui::TextBox* box : {&TitleText, &AutorText, &Brief}) {
        if (!fitsQuotedText(box->text())) {
            platform::ui::msgBox(QuoteInTextMessage, platform::ui::MsgButtons::Ok,
                                 platform::ui::MsgIcon::Critical, "Editor");
            return;
        }
    }
    clampSize(WidthText, WScr);
    clampSize(HeightText, HScr);
    m_model.MissionTitle = TitleText.text();
    m_model.MissionAuthor = AutorText.text();
    m_model.MapWidth = WScr.value();
    m_model.MapHeight = HScr.value();
    m_model.NeedRedraw = true;
    m_model.Modified = true;
    m_model.MissionBrief = Brief.text();
    if (m_model.NewPending) {
        m_model.resetForNewMission();
        m_editor.refreshFromModel();
    }
    unload();
}

void FormConfig::CancelButton_Click()
{
    unload();
}

} // namespace plotwright
