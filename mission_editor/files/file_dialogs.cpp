#include "mission_editor/files/file_dialogs.h"

#include "mission_editor/form_main.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

namespace plotwright {

void MainWindowLink::setEditorEnabled(bool enabled)
{
    m_form.setEnabled(enabled && !m_form.model().replacementPending());
}

void MainWindowLink::setSaveButtonEnabled(bool enabled)
{
    m_form.SaveButton.setEnabled(enabled);
}

void MainWindowLink::selectMapEditMode()
{
    m_form.EditMode.setValue(0);
}

void MainWindowLink::refreshFromModel()
{
    m_form.showModel();
}

void MainWindowLink::placeDialog(platform::ui::Form& dialog)
{
    // To the right of the window, or at the screen's right edge when the screen ends before.
    int left = m_form.left() + m_form.outerWidth();
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen != nullptr) {
        const QRect area = screen->availableGeometry();
        left = std::max(area.left(), std::min(left, area.right() + 1 - dialog.outerWidth()));
    }
    dialog.move(left, m_form.top());
}

FileDialogs::FileDialogs(FormMain& form)
    : link(form), formSave(form.model(), link, form.programsFolder()), formConfig(form.model(), link),
      formLoad(form.model(), link, form.programsFolder()),
      commands(form.model(), link, formSave, formConfig, formLoad)
{
    form.NewButton.onClick = [this] { commands.NewButton_Click(); };
    form.LoadButton.onClick = [this] { commands.LoadButton_Click(); };
    form.SaveButton.onClick = [this] { commands.SaveButton_Click(); };
    form.SaveAsButton.onClick = [this] { commands.SaveAsButton_Click(); };
    form.ShowFormConfig = [this] { formConfig.bringUp(); };
    form.ShowFormSave = [this](const std::string&) { commands.saveBeforeClose(); };
}

} // namespace plotwright
