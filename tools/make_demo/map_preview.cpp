#include "tools/make_demo/map_preview.h"

#include "platform/text/vb.h"

#include <QPainter>

namespace make_demo {

namespace {

constexpr int Tile = 20;

QPoint cellCentre(const std::string& item, int at)
{
    const int x = std::stoi(item.substr(static_cast<std::size_t>(at), 2));
    const int y = std::stoi(item.substr(static_cast<std::size_t>(at) + 3, 2));
    return {(x - 1) * Tile + Tile / 2, (y - 1) * Tile + Tile / 2};
}

QColor teamColour(int team)
{
    switch (team) {
    case 1:
        return QColor(40, 200, 40);
    case 2:
        return QColor(40, 90, 230);
    case 3:
        return QColor(120, 0, 140);
    case 4:
        return QColor(150, 150, 150);
    default:
        return QColor(240, 240, 240);
    }
}

void outlineCell(QPainter& p, const std::string& line, int at, const QColor& colour)
{
    const QPoint c = cellCentre(line, at);
    p.setPen(QPen(colour, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(c.x() - Tile / 2 + 1, c.y() - Tile / 2 + 1, Tile - 2, Tile - 2);
}

} // namespace

QImage missionPreview(const plotwright::MissionModel& mission, const QImage& tileSheet)
{
    QImage image(mission.MapWidth * Tile, mission.MapHeight * Tile, QImage::Format_RGB32);
    QPainter p(&image);
    for (int y = 1; y <= mission.MapHeight; ++y) {
        for (int x = 1; x <= mission.MapWidth; ++x) {
            const int k = static_cast<int>(vb::hexValue(mission.Map(x, y).view()));
            if (k < 1 || k > 110) {
                continue;
            }
            p.drawImage(QPoint((x - 1) * Tile, (y - 1) * Tile), tileSheet,
                        QRect(1 + 21 * ((k - 1) % 22), 1 + 21 * ((k - 1) / 22), Tile, Tile));
        }
    }
    // A faint grid every five cells, to read positions off the picture.
    p.setPen(QColor(255, 255, 255, 60));
    for (int x = 5; x < mission.MapWidth; x += 5) {
        p.drawLine(x * Tile, 0, x * Tile, image.height());
    }
    for (int y = 5; y < mission.MapHeight; y += 5) {
        p.drawLine(0, y * Tile, image.width(), y * Tile);
    }
    // Cells the conditions watch: yellow where the leader must step, orange for enemies.
    for (int n = 1; n <= plotwright::MaxConditions; ++n) {
        for (int j = 1; j <= plotwright::MaxConditionLines; ++j) {
            const std::string& line = mission.CondIf(n, j);
            if (line.starts_with("02,")) {
                outlineCell(p, line, 3, Qt::yellow);
            } else if (line.starts_with("08,")) {
                outlineCell(p, line, 9, QColor(255, 140, 0));
            }
        }
    }
    QFont font = p.font();
    font.setPixelSize(10);
    font.setBold(true);
    p.setFont(font);
    for (const std::string& item : mission.ObjList.items()) {
        const QPoint c = cellCentre(item, 3);
        static const char* letters = "?BMSC";
        const int kind = std::stoi(item.substr(0, 2));
        p.setPen(Qt::black);
        p.setBrush(kind == 2 ? QColor(220, 40, 40) : QColor(240, 200, 60));
        p.drawRect(c.x() - 6, c.y() - 6, 12, 12);
        p.drawText(QRect(c.x() - 6, c.y() - 6, 12, 12), Qt::AlignCenter, QString(QChar(letters[kind % 5])));
    }
    int number = 0;
    for (const std::string& item : mission.DollList.items()) {
        const QPoint c = cellCentre(item, 3);
        p.setPen(QPen(Qt::red, 2));
        p.setBrush(teamColour(std::stoi(item.substr(0, 2))));
        p.drawEllipse(c, 7, 7);
        p.setPen(Qt::black);
        p.drawText(QRect(c.x() - 8, c.y() - 8, 16, 16), Qt::AlignCenter, QString::number(++number));
    }
    if (mission.TroopPos.starts_with(plotwright::TroopPositionPrefix)) {
        const QPoint c = cellCentre(mission.TroopPos, 10);
        p.setPen(QPen(Qt::white, 2));
        p.setBrush(teamColour(1));
        const QPoint star[] = {c + QPoint(0, -9), c + QPoint(8, 7), c + QPoint(-8, 7)};
        p.drawPolygon(star, 3);
    }
    return image;
}

} // namespace make_demo
