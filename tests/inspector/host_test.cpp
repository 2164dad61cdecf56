// The inspector against a host of its own: what it asks of the main window is the host
// interface and nothing else.

#include "inspector/inspectform.h"
#include "inspector/inspectorhost.h"
#include "inspector/valuelist.h"
#include "model/elementmodel.h"
#include "model/palette.h"
#include "model/placing.h"

#include <QImage>
#include <QProxyStyle>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace talvex {
namespace {

class FakeHost : public InspectorHost
{
public:
    FakeHost() { tile.fill(Qt::magenta); }

    int hostLeft() const override { return 268; }
    void RefreshSheet() override {}
    void markElement(const PixelRect &rect) override { marked.push_back(rect); }
    void TopPanelMouseMove() override { ++outlineErasures; }
    const QImage &kindTile(int kind) const override
    {
        tilesAsked.push_back(kind);
        return tile;
    }
    QStyle *compactStyle() const override { return style.get(); }

    int outlineErasures = 0;
    std::vector<PixelRect> marked;
    mutable std::vector<int> tilesAsked;
    QImage tile{24, 24, QImage::Format_RGB32};
    std::unique_ptr<QProxyStyle> style = std::make_unique<QProxyStyle>();
};

TEST(InspectorHost, ChoosingAnElementMarksItOnTheHostsSheetAndDrawsTheHostsTile)
{
    ElementModel model;
    model.BuildElementModel(43, 36);
    PaletteState palette(model.toolClasses);
    palette.ChooseTool(PaletteButton::MarketTBtn);
    const std::optional<PlacedElement> placed =
        placeElementAt(model, palette, GridCell{2, 1}, 43, 36);
    ASSERT_TRUE(placed.has_value());

    FakeHost host;
    TInspectForm inspector(host, model);
    inspector.show();

    inspector.appendElementEntry(placed->number);
    inspector.ShowElement(placed->number);
    ASSERT_FALSE(host.marked.empty());
    EXPECT_EQ(host.marked.back(), model.elements.at(placed->number).pixelRect());
    auto *values = inspector.findChild<ValueListEditor *>(QStringLiteral("ElementValueList"));
    ASSERT_NE(values, nullptr);
    EXPECT_EQ(values->value(0), QStringLiteral("3,2"));

    // A cell's tab draws that cell's tile, which only the host has.
    inspector.CellTabControlChange(1);
    EXPECT_FALSE(host.tilesAsked.empty());
    EXPECT_EQ(inspector.cellImage().pixelColor(12, 12), QColor(Qt::magenta));

    // A pointer move over the inspector erases the host's outline.
    const int erasures = host.outlineErasures;
    inspector.FormMouseMove();
    EXPECT_GT(host.outlineErasures, erasures);
}

} // namespace
} // namespace talvex
