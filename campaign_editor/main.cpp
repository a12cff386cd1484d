#include "campaign_editor/form1.h"
#include "platform/text/file_names.h"
#include "platform/ui/message_boxes.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    cadrell::Form1 form(platform::text::programFolder());
    if (!form.missingPicture().empty()) {
        platform::ui::msgBox("The picture " + platform::text::shownText(form.missingPicture()) +
                                 " is missing or cannot be read.\rThe editor cannot start.",
                             platform::ui::MsgButtons::Ok, platform::ui::MsgIcon::Critical, "Editor");
        return 1;
    }
    form.show();
    return app.exec();
}
