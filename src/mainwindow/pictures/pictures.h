#pragma once

#include "model/element.h"
#include "model/toolclasses.h"

#include <QImage>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <vector>

namespace talvex {

// Every picture the windows show, painted once from compact descriptions: the sheet tiles, the
// tool bar and palette icons, the conductor-kind selector sources, BlackImg and the logo.
class Pictures
{
public:
    static constexpr int TileCount = 238;
    static constexpr int TileSize = CellSize;
    static constexpr int ToolIconCount = 7;
    static constexpr int ElemIconCount = PaletteButtonCount;

    Pictures();

    // 24 x 24 tile by component name; a null image for an unknown name.
    const QImage &tile(QStringView name) const;
    // The tile names: the kinds' tiles in kind order, then the ones no kind uses.
    QStringList tileNames() const;

    const QImage &blackImg() const { return m_black; }
    // 26 x 10; kind 0 numeric values, 1 distributions, 2 decisions.
    const QImage &selectorSource(int kind, bool on) const;
    // 26 x 25 for the main window, 250 x 249 for the about box.
    const QImage &logo(bool large) const { return large ? m_logoLarge : m_logoSmall; }
    const QImage &imageList1(int i) const { return pick(m_list1, i); }
    const QImage &imageList2(int i) const { return pick(m_list2, i); }
    // Palette icons in the order of the bar, from 0; elemImg gives a button its own.
    const QImage &elemImgList(int i) const { return pick(m_elems, i); }
    const QImage &elemImg(PaletteButton button) const
    {
        return pick(m_elems, palettePosition(button) - 1);
    }

    // Review sheet: every tile at three times and at its own size, with its name.
    QImage tileSheet() const;

private:
    static const QImage &pick(const std::vector<QImage> &images, int i);

    std::vector<QString> m_names;        // catalogue order
    mutable std::vector<QImage> m_tiles; // parallel to m_names, painted on first request
    std::vector<int> m_sorted;           // indexes of m_names in name order, for lookup
    QImage m_black;
    std::array<QImage, 6> m_selectors; // kind * 2 + on
    QImage m_logoSmall;
    QImage m_logoLarge;
    std::vector<QImage> m_list1;
    std::vector<QImage> m_list2;
    std::vector<QImage> m_elems;
};

} // namespace talvex
