#include "mission_editor/files/file_dialogs.h"

#include "mission_editor/form_main.h"

namespace plotwright {

void MainWindowLink::setEditorEnabled(bool enabled)
{
    m_form.setEnabled(enabled);
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

FileDialogs::FileDialogs(FormMain& form)
    : link(form), formSave(form.model(), link, form.programsFolder()), formConfig(form.model(), link),
      formLoad(form.model(), link, form.programsFolder()),
      commands(form.model(), link, formSave, formConfig, formLoad)
{
    form.NewButton.onClick = [this] { commands.NewButton_Click(); };
    form.LoadButton.onClick = [this] { commands.LoadButton_Click(); };
    form.SaveButton.onClick = [this] { commands.SaveButton_Click(); };
    form.SaveAsButton.onClick = [this] { commands.SaveAsButton_Click(); };
    form.ShowFormConfig = [this] { formConfig.show(); };
    form.ShowFormSave = [this](const std::string&) { commands.saveBeforeClose(); };
}

} // namespace plotwright
