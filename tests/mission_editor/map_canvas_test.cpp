// The map canvas: scroll bars, tiles from the palette, markers and the palette's picking.

#include "editor_fixture.h"

#include "mission_editor/map_canvas.h"

using namespace editor_test;
using plotwright::GridColour;

TEST_F(Editor, ScrollBarsCoverTheWholeMap)
{
    struct Case
    {
        int size, hMax, vMax;
    };
    for (const Case c : {Case{25, 42, 166}, Case{50, 567, 691}}) {
        SCOPED_TRACE(c.size);
        model = MissionModel();
        start();
        model.MapWidth = c.size;
        model.MapHeight = c.size;
        form->turn();
        EXPECT_EQ(form->HScroll.max(), c.hMax);
        EXPECT_EQ(form->VScroll.max(), c.vMax);
        EXPECT_TRUE(form->HScroll.visible());
        EXPECT_TRUE(form->VScroll.visible());
        EXPECT_EQ(form->canvas().Quadro.width(), 1 + 21 * c.size);
        EXPECT_EQ(form->caption(), "VEDE Gorsefield - Mission Editor - Untitled.cfm as Untitled (" +
                                       std::to_string(c.size) + " x " + std::to_string(c.size) + ")");
    }
}

TEST_F(Editor, ScrollingShowsTheCellsUnderTheView)
{
    start();
    model.MapWidth = 50;
    model.MapHeight = 50;
    model.Map(28, 1) = "05";
    model.Map(50, 1) = "06";
    form->turn();
    form->HScroll.setValue(form->HScroll.max());
    form->turn(); // the scroll's own redraw leaves the view to the turn after
    form->turn();
    EXPECT_EQ(form->ScrollX, 567);
    EXPECT_EQ(plotwright::firstVisibleCell(form->HScroll.value()), 28);
    // Column 28 begins at Quadro x 568, one pixel into the view; column 50 ends at its right edge.
    const gfx::Picture& view = form->AreaVisivel.picture();
    EXPECT_EQ(view.pixel(1, 1), tileColour(5));
    EXPECT_EQ(view.pixel(482, 1), tileColour(6));
    EXPECT_EQ(view.pixel(0, 1), GridColour);

    // Shrinking the map pulls the view back inside it.
    model.MapWidth = 25;
    form->turn();
    EXPECT_EQ(form->HScroll.max(), 42);
    EXPECT_EQ(form->ScrollX, 42);
    EXPECT_EQ(form->canvas().Quadro.width(), 526);
    EXPECT_EQ(model.Map(50, 1), "06"); // kept for a larger map
}

TEST_F(Editor, CellsAreDrawnFromTheirPaletteTilesBetweenGreyLines)
{
    start();
    model.Map(1, 1) = "1A"; // tile 26: palette row 1, column 3, at (64, 22)
    model.Map(2, 1) = "6E"; // tile 110, the last
    model.Map(3, 1) = "";   // no tile
    model.Map(4, 1) = "7F"; // past the palette
    model.Map(5, 1) = "B";  // one digit as painted
    form->turn();
    const gfx::Picture& quadro = form->canvas().Quadro;
    EXPECT_EQ(quadro.pixel(1, 1), tileColour(26));
    EXPECT_EQ(quadro.pixel(20, 20), tileColour(26));
    EXPECT_EQ(quadro.pixel(22, 1), tileColour(110));
    EXPECT_EQ(quadro.pixel(21 * 5 - 20, 1), tileColour(11));
    for (const int x : {3, 4}) {
        // A "no tile" pattern: neither a tile's colour nor the grid's, and not all one colour.
        const int left = 21 * x - 20;
        EXPECT_NE(quadro.pixel(left + 2, 2), GridColour);
        EXPECT_NE(quadro.pixel(left + 2, 2), quadro.pixel(left + 7, 2));
        EXPECT_NE(quadro.pixel(left + 2, 2), tileColour(1));
    }
    for (const auto& [x, y] : {std::pair{0, 0}, {21, 5}, {5, 21}, {525, 525}}) {
        EXPECT_EQ(quadro.pixel(x, y), GridColour) << x << "," << y;
    }
    // The view shows Quadro from its top-left corner.
    EXPECT_EQ(form->AreaVisivel.picture().pixel(1, 1), tileColour(26));
}

TEST_F(Editor, PaletteClicksPickTheTileUnderThePointer)
{
    start();
    // The marker is centred on the click, or on the tile picked when the click lies elsewhere
    // (the spill of column 22, the tiles past 106 that give tile 1).
    struct Case
    {
        int x, y, tile, markX, markY;
    };
    for (const Case c : {Case{0, 0, 1, 0, 0}, Case{462, 0, 23, 11, 32}, Case{30, 25, 24, 30, 25},
                         Case{370, 90, 106, 370, 90}, Case{380, 90, 1, 11, 11}, Case{462, 90, 1, 11, 11}}) {
        form->CurrentTile = 50;
        user::mouseMove(form->ToolBar, 0, c.x, c.y);
        user::click(form->ToolBar, c.x, c.y);
        EXPECT_EQ(form->CurrentTile, c.tile) << c.x << "," << c.y;
        EXPECT_EQ(form->Cursor.left() + form->Cursor.width() / 2, form->ToolBar.left() + c.markX);
        EXPECT_EQ(form->Cursor.top() + form->Cursor.height() / 2, form->ToolBar.top() + c.markY);
    }
    // Below the five rows the tile stays.
    form->CurrentTile = 50;
    EXPECT_EQ(plotwright::paletteTileAt(10, 105, 50), 50);
}

TEST_F(Editor, MarkersFollowTheListsTheTroopAndTheShowBoxes)
{
    start();
    model.ObjList.add("02,03,04");
    model.ObjList.add("01,05,05");
    model.DollList.add("03,05,05,None,0"); // on the barrel: the enemy covers it
    model.TroopPos = "Position: 07,02";
    form->turn();
    EXPECT_EQ(quadroCell(3, 4), markerColour(7));
    EXPECT_EQ(quadroCell(5, 5), markerColour(3));
    EXPECT_EQ(quadroCell(7, 2), markerColour(0));
    // The marker covers the cell's top-left 10 x 10 pixels only.
    EXPECT_EQ(form->canvas().Quadro.pixel(21 * 3 - 20 + 12, 21 * 4 - 20 + 12), tileColour(1));

    user::click(form->ObjtCheck);
    form->turn();
    EXPECT_EQ(quadroCell(3, 4), tileColour(1));
    EXPECT_EQ(quadroCell(5, 5), markerColour(3));
    EXPECT_EQ(quadroCell(7, 2), markerColour(0));
    user::click(form->EminyCheck);
    form->turn();
    EXPECT_EQ(quadroCell(5, 5), tileColour(1));

    // A troop not placed has no marker.
    model.TroopPos = "Click on the map";
    form->turn();
    EXPECT_EQ(quadroCell(7, 2), tileColour(1));
}
