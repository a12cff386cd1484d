// A gallery of the window controls: one form with one control of each kind, wired so that their
// events can be watched in the status label.
//   ui_gallery [folder]    the file list shows the folder (default: the current one)

#include "platform/ui/check_box.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/command_button.h"
#include "platform/ui/events.h"
#include "platform/ui/file_list_box.h"
#include "platform/ui/form.h"
#include "platform/ui/frame.h"
#include "platform/ui/label.h"
#include "platform/ui/list_box.h"
#include "platform/ui/message_boxes.h"
#include "platform/ui/option_group.h"
#include "platform/ui/picture_box.h"
#include "platform/ui/scroll_bar.h"
#include "platform/ui/shape.h"
#include "platform/ui/text_box.h"

#include <QApplication>
#include <QDir>
#include <string>

using namespace platform::ui;
namespace gfx = platform::gfx;

namespace {

class Gallery : public Form
{
public:
    explicit Gallery(const std::string& folder) : Form("Control gallery")
    {
        resize(640, 480);

        status.move(10, 450, 620, 20);

        listCaption.move(10, 8, 150, 16);
        tasks.move(10, 26, 150, 110);
        for (const char* line : {"Fim ,06", "0012,01,05,07", "0005,04,Hello", "0010,08"}) {
            tasks.addItem(line);
        }
        tasks.setToolTipText("Quadro, Tipo da tarefa, Item1, Item2 ");
        tasks.onClick = [this] { say("TaskList_Click: " + tasks.text()); };

        kinds.move(10, 145, 150, 24);
        for (const char* kind : {"01 - Walk", "02 - Fire", "03 - Look to", "04 - Leader message"}) {
            kinds.addItem(kind);
        }
        kinds.setListIndex(1);
        kinds.onClick = [this] { say("TaskCombo_Click: " + kinds.text()); };

        frameText.move(10, 176, 150, 24);
        frameText.setText("Number");
        frameText.onClick = [this] {
            frameText.selectAll();
            say("TaskText1_Click: text selected");
        };
        locked.move(10, 206, 150, 24);
        locked.setText("01,01");
        locked.setLocked(true);

        brief.move(10, 236, 150, 80);
        brief.setMaxLength(200);
        brief.setText("Take the bridge.\r\nHold it until dawn.");
        brief.onChange = [this] { rest.setCaption("Falta: " + std::to_string(200 - brief.text().size())); };
        rest.move(10, 320, 150, 16);
        rest.setCaption("Falta: " + std::to_string(200 - brief.text().size()));

        enemies.move(10, 342, 150, 22);
        enemies.setValue(1);
        enemies.onClick = [this] { say("EminyCheck_Click: " + std::to_string(enemies.value())); };

        troop.move(10, 370, 150, 70);
        keep.move(10, 20, 130, 20);
        random.move(10, 42, 130, 20);
        order.setValue(0);
        order.onClick = [this](int index) { say("RndOpt_Click(" + std::to_string(index) + ")"); };

        // The canvas: a retained picture drawn by the program, with mouse events.
        canvas.move(175, 26, 240, 180);
        canvas.picture() = gfx::Picture(240, 180, 0x204020);
        for (int x = 0; x < 240; x += 21) {
            canvas.picture().line(x, 0, x, 179, 0x000000);
        }
        for (int y = 0; y < 180; y += 21) {
            canvas.picture().line(0, y, 239, y, 0x000000);
        }
        canvas.picture().fillBox(43, 43, 62, 62, 0xC08040);
        canvas.picture().print(4, 160, "AreaVisivel", gfx::Font{"DejaVu Sans", 9, true}, 0xFFFFFF);
        canvas.refresh();
        canvas.onMouseDown = [this](int button, int, int x, int y) {
            canvas.picture().fillBox(x - 2, y - 2, x + 2, y + 2, button == 1 ? 0xFFFF00 : 0xFF0000);
            canvas.refresh();
            say("AreaVisivel_MouseDown " + std::to_string(button) + " at " + std::to_string(x) + "," +
                std::to_string(y));
        };
        hscroll.move(175, 206, 240, 17);
        hscroll.setRange(0, 42);
        hscroll.setSmallChange(5);
        hscroll.setLargeChange(21);
        hscroll.onChange = [this] { say("HScroll_Change " + std::to_string(hscroll.value())); };
        hscroll.onScroll = [this] { say("HScroll_Scroll " + std::to_string(hscroll.value())); };
        vscroll.move(415, 26, 17, 180);
        vscroll.setRange(0, 166);
        vscroll.setSmallChange(5);
        vscroll.setLargeChange(21);
        vscroll.onChange = [this] { say("VScroll_Change " + std::to_string(vscroll.value())); };

        // The palette: an image control with a shape marking the picked cell.
        palette.move(175, 232, 232, 64);
        gfx::Picture tiles(232, 64, 0x303030);
        for (int t = 0; t < 33; ++t) {
            const int x = 1 + (t % 11) * 21;
            const int y = 1 + (t / 11) * 21;
            tiles.fillBox(x, y, x + 19, y + 19, 0x406080 + static_cast<gfx::Rgb>(t) * 0x050301);
        }
        palette.setPicture(tiles);
        cursor.move(175 + 21 * 2, 232, 22, 22);
        cursor.setBorderColor(0xFFFF00);
        cursor.setBorderWidth(2);
        palette.onMouseDown = [this](int, int, int x, int y) {
            cursor.move(175 + (x / 21) * 21, 232 + (y / 21) * 21);
            say("ToolBar_Click: tile " + std::to_string((y / 21) * 11 + x / 21 + 1));
        };

        filesCaption.move(450, 8, 180, 16);
        files.move(450, 26, 180, 180);
        files.setPattern("*.*");
        files.setPath(folder);
        files.onClick = [this] { say("Directory_Click: " + files.fileName()); };
        files.onDblClick = [this] { say("Directory_DblClick: " + files.fileName()); };

        save.move(450, 216, 85, 28);
        save.onClick = [this] {
            const MsgAnswer answer = msgBox("This mission already exist.\rOverwrite mission?",
                                            MsgButtons::YesNo, MsgIcon::Question, "Overwright?");
            say(answer == MsgAnswer::Yes ? "Overwrite: Yes" : "Overwrite: No");
        };
        back.move(545, 216, 85, 28);
        back.setEnabled(false);

        onKeyPress = [this](int key) {
            if (key == 27) {
                say("Form_KeyPress: Esc");
            }
        };
    }

private:
    void say(const std::string& text) { status.setCaption(text); }

    Label status{*this, "Click, type or scroll: the event procedures report here."};
    Label listCaption{*this, "Task List (sorted)"};
    ListBox tasks{*this, ListBox::Order::Sorted};
    ComboBox kinds{*this};
    TextBox frameText{*this};
    TextBox locked{*this};
    TextBox brief{*this, TextBox::Lines::Multi};
    Label rest{*this};
    CheckBox enemies{*this, "Enemies"};
    Frame troop{*this, "Troop members"};
    OptionGroup order;
    OptionButton& keep = order.add(troop, "Keep the order");
    OptionButton& random = order.add(troop, "Random on start");
    PictureBox canvas{*this};
    HScrollBar hscroll{*this};
    VScrollBar vscroll{*this};
    Image palette{*this};
    Shape cursor{*this};
    Label filesCaption{*this, "Directory (*.*)"};
    FileListBox files{*this};
    CommandButton save{*this, "Save"};
    CommandButton back{*this, "Back"};
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const std::string folder = argc > 1 ? argv[1] : QDir::currentPath().toStdString();
    Gallery gallery(folder);
    gallery.show();
    return app.exec();
}
