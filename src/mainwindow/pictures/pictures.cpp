#include "pictures/pictures.h"

#include "pictures/icons.h"
#include "pictures/tileart.h"
#include "pictures/tilecatalogue.h"
#include "pictures/tilepainter.h"

#include <QFont>
#include <QPainter>

#include <algorithm>

namespace talvex {

namespace {

const QImage &nullImage()
{
    static const QImage none;
    return none;
}

} // namespace

Pictures::Pictures()
{
    const std::vector<TileDescription> &tiles = tileDescriptions();
    m_names.reserve(tiles.size());
    for (const TileDescription &t : tiles)
        m_names.push_back(t.name);
    // Tiles are painted when first asked for: start-up needs only a few of them.
    m_tiles.resize(tiles.size());
    m_sorted.resize(m_names.size());
    for (int i = 0; i < int(m_sorted.size()); ++i)
        m_sorted[i] = i;
    std::sort(m_sorted.begin(), m_sorted.end(),
              [this](int a, int b) { return m_names[a] < m_names[b]; });

    m_black = QImage(4, 4, QImage::Format_RGB32);
    m_black.fill(ink::Line);
    for (int kind = 0; kind < 3; ++kind) {
        m_selectors[2 * kind] = paintSelectorSource(kind, false);
        m_selectors[2 * kind + 1] = paintSelectorSource(kind, true);
    }
    m_logoSmall = paintLogo(QSize(26, 25));
    m_logoLarge = paintLogo(QSize(250, 249));
    for (int i = 0; i < ToolIconCount; ++i) {
        m_list1.push_back(paintToolIcon(1, i));
        m_list2.push_back(paintToolIcon(2, i));
    }
    for (int position = 1; position <= ElemIconCount; ++position)
        m_elems.push_back(paintElemIcon(paletteButtonAt(position)));
}

const QImage &Pictures::tile(QStringView name) const
{
    const auto it = std::lower_bound(m_sorted.begin(), m_sorted.end(), name,
                                     [this](int i, QStringView n) { return m_names[i] < n; });
    if (it == m_sorted.end() || m_names[*it] != name)
        return nullImage();
    QImage &image = m_tiles[static_cast<std::size_t>(*it)];
    if (image.isNull())
        image = paintTile(tileDescriptions()[static_cast<std::size_t>(*it)]);
    return image;
}

QStringList Pictures::tileNames() const
{
    return QStringList(m_names.begin(), m_names.end());
}

const QImage &Pictures::selectorSource(int kind, bool on) const
{
    if (kind < 0 || kind > 2)
        return nullImage();
    return m_selectors[2 * kind + (on ? 1 : 0)];
}

const QImage &Pictures::pick(const std::vector<QImage> &images, int i)
{
    return i >= 0 && i < int(images.size()) ? images[i] : nullImage();
}

QImage Pictures::tileSheet() const
{
    constexpr int Columns = 10;
    constexpr int Scale = 3;
    constexpr int CellW = 132;
    constexpr int CellH = Scale * TileSize + 22;
    const int rows = (int(m_tiles.size()) + Columns - 1) / Columns;
    QImage sheet(Columns * CellW, rows * CellH, QImage::Format_RGB32);
    sheet.fill(ink::Silver);
    QPainter painter(&sheet);
    QFont font = painter.font();
    font.setPixelSize(10);
    painter.setFont(font);
    for (int i = 0; i < int(m_tiles.size()); ++i) {
        const int x = (i % Columns) * CellW + 4;
        const int y = (i / Columns) * CellH + 4;
        const QImage &t = tile(m_names[static_cast<std::size_t>(i)]);
        painter.drawImage(QRect(x, y, Scale * TileSize, Scale * TileSize), t);
        painter.drawImage(x + Scale * TileSize + 8, y, t);
        painter.setPen(Qt::black);
        painter.drawText(QRect(x, y + Scale * TileSize + 2, CellW - 6, 14),
                         Qt::AlignLeft | Qt::AlignVCenter, m_names[i]);
    }
    return sheet;
}

} // namespace talvex
