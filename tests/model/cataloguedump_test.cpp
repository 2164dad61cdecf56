#include "model/elementmodel.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <sstream>

using namespace talvex;

namespace {

std::vector<std::string> split(const std::string &text, char separator)
{
    std::vector<std::string> parts;
    std::istringstream in(text);
    for (std::string part; std::getline(in, part, separator);)
        parts.push_back(part);
    return parts;
}

// The output of the built catalogue-dump tool, read once; empty when the tool failed.
const std::string &output()
{
    static const std::string text = [] {
        std::string out;
        FILE *pipe = popen(CATALOGUE_DUMP, "r");
        if (!pipe)
            return out;
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            out.append(buffer, n);
        return pclose(pipe) == 0 ? out : std::string();
    }();
    return text;
}

constexpr std::size_t LineCount = PropertyCount + KindPlaces + ToolClassCount;

} // namespace

TEST(CatalogueDump, RecordsInOrderWithSingleTabs)
{
    ASSERT_FALSE(output().empty());
    EXPECT_EQ(output().back(), '\n');
    EXPECT_EQ(output().find('\r'), std::string::npos);
    EXPECT_EQ(output().find("\t\t"), std::string::npos);
    EXPECT_EQ(output().find("\t\n"), std::string::npos);

    const std::vector<std::string> lines = split(output(), '\n');
    ASSERT_EQ(lines.size(), LineCount);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const char *type = i < PropertyCount                ? "prop\t"
                           : i < LineCount - ToolClassCount ? "kind\t"
                                                            : "class\t";
        EXPECT_TRUE(lines[i].starts_with(type)) << i << ": " << lines[i];
    }
    EXPECT_EQ(lines[0], "prop\t0\t7\tAngebotsmenge");
    EXPECT_EQ(lines[15], "prop\t15\t13\tFunktionsformel   f = ");
    EXPECT_EQ(lines[46], "prop\t46\t8\tÜberhöhung");
    EXPECT_EQ(lines[PropertyCount], "kind\t1\tvRechtsImg\t18=Verteilung\t38=Verteilung");
    EXPECT_EQ(lines[PropertyCount + 160],
              "kind\t161\tNegImg\t18=Zahlenwert\t30=\u2020\t38=Zahlenwert");
    EXPECT_EQ(lines[PropertyCount + 177],
              "kind\t178\tglImg\t18=Zahlenwert\t28=Zahlenwert\t30==\t47=Entscheidung");
    EXPECT_EQ(lines[PropertyCount + 169], "kind\t170\tFuncMidImg");
    EXPECT_EQ(lines[PropertyCount + 263], "kind\t264\t-");
    EXPECT_EQ(lines[LineCount - 9], "class\t15\tMarkt\t5\t1\t1\t1\t215\t224");
    EXPECT_EQ(lines.back(), "class\t23\tkein Element\t0\t0\t0\t0\t0\t0");
}

// Reading every kind line back gives the catalogue the model builds.
TEST(CatalogueDump, KindLinesReadBackToTheCatalogue)
{
    const std::vector<std::string> lines = split(output(), '\n');
    ASSERT_EQ(lines.size(), LineCount);
    auto model = std::make_unique<ElementModel>();
    model->BuildElementModel(MaxColumns, MaxRows);
    for (int n = 1; n <= KindPlaces; ++n) {
        const std::vector<std::string> fields =
            split(lines[PropertyCount + std::size_t(n) - 1], '\t');
        const Default &k = model->kinds.kind(n);
        ASSERT_EQ(fields.size(), k.props.size() + 3) << n;
        EXPECT_EQ(fields[1], std::to_string(n));
        EXPECT_EQ(fields[2], k.tile.empty() ? "-" : k.tile);
        for (std::size_t i = 0; i < k.props.size(); ++i)
            EXPECT_EQ(fields[i + 3], std::to_string(k.propIndexes[i]) + "=" + k.props[i].value);
    }
}
