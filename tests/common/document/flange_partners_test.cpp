// Tests of the joint check on hand-built drawings: the sides found for each
// name, the verdict on each kind of joint with the length tolerance,
// Shift-JIS names compared as bytes, the counts of joints and of unnamed
// flanges, and the partner page marks.
#include "document/flange_partners.h"

#include "common/shape_builders.h"
#include "geometry/angles.h"

#include <gtest/gtest.h>

#include <limits>
#include <numbers>

namespace {

constexpr long double RightAngle = Pi / 2;

// Shape with the flange of side named name and width wide.
TPolygon Named(TPolygon shape, int side, const std::string& name, long double width = 5) {
    shape.Flanges[side] = TFlange{width, RightAngle, RightAngle, name};
    return shape;
}

// A square whose top side (side 0) is length mm long.
TPolygon TopSide(long double length, const std::string& name) {
    return Named(Rect(length, 10), 0, name);
}

const TFlangeNameSides* NameIn(const TFlangePartnerReport& report, const std::string& name) {
    for (const TFlangeNameSides& entry : report.Names)
        if (entry.Name == name)
            return &entry;
    return nullptr;
}

std::uint8_t FindingsOf(const TZvDat& drawing, const std::string& name) {
    const TFlangePartnerReport report = CheckFlangePartners(drawing);
    const TFlangeNameSides* entry = NameIn(report, name);
    EXPECT_NE(entry, nullptr) << name;
    return entry != nullptr ? entry->Findings : 0xFF;
}

const std::string Arrow = "\x81\xa8"; // "→"

} // namespace

TEST(FlangePartnersTest, EachNameListsItsSidesWhereverTheyLie) {
    const TPolygon triangle = Named(Triangle(10), 2, "A"); // the closing side, vertex 3 to 1
    const TPolygon square = Named(Named(Square(10), 1, "B"), 3, "A");
    const TZvDat drawing = {{Square(5), Named(Square(10), 0, "B")}, {}, {square, triangle}};
    const TFlangePartnerReport report = CheckFlangePartners(drawing);

    ASSERT_EQ(report.Names.size(), 2u);
    // In the order of their first sides: "B" comes first, on page 1.
    EXPECT_EQ(report.Names[0].Name, "B");
    EXPECT_EQ(report.Names[0].Sides, (std::vector<TNamedSide>{{0, 1, 0, 10, 5}, {2, 0, 1, 10, 5}}));
    EXPECT_EQ(report.Names[1].Name, "A");
    EXPECT_EQ(report.Names[1].Sides, (std::vector<TNamedSide>{{2, 0, 3, 10, 5}, {2, 1, 2, 10, 5}}));
    EXPECT_EQ(JointsWithFindings(report), 0);
    EXPECT_EQ(CompleteJoints(report), 2);

    // The hypotenuse of the triangle, from vertex 2 to vertex 3.
    const TFlangePartnerReport slanted =
        CheckFlangePartners({{Named(Triangle(30), 1, "C"), Named(Triangle(30), 1, "C")}});
    EXPECT_NEAR(static_cast<double>(slanted.Names[0].Sides[1].Length), 30 * std::numbers::sqrt2,
                1e-12);
}

// As modellers glue: a tab on one side of a pair is enough, on both is fine
// too, and the pair may close a net on itself.
TEST(FlangePartnersTest, FindingsOfEachKind) {
    const TPolygon bare = Named(Rect(40, 5), 0, "A", 0);
    const struct {
        const char* What;
        TZvDat Drawing;
        std::uint8_t Findings;
    } cases[] = {
        {"tabs on both sides, on two pages", {{TopSide(40, "A")}, {TopSide(40, "A")}}, 0},
        {"a tab on one side only", {{TopSide(40, "A"), bare}}, 0},
        {"a tab on the second side only", {{bare}, {TopSide(40, "A")}}, 0},
        {"a pair inside one shape", {{Named(Named(Square(10), 0, "A"), 2, "A", 0)}}, 0},
        {"a pair inside one shape with two tabs", {{Named(Named(Square(10), 0, "A"), 2, "A")}}, 0},
        {"a pair without a tab", {{bare, Named(Rect(40, 5), 2, "A", 0)}}, pfNoTab},
        {"a pair inside one shape without a tab",
         {{Named(Named(Square(10), 0, "A", 0), 2, "A", 0)}},
         pfNoTab},
        {"an open joint", {{TopSide(40, "A"), Square(10)}}, pfNoPartner},
        {"an open joint without a flange", {{bare}}, pfNoPartner},
        {"three sides", {{TopSide(40, "A"), bare}, {TopSide(40, "A")}}, pfTooManySides},
        {"three sides without a tab", {{bare, bare}, {bare}}, pfTooManySides | pfNoTab},
        {"three sides, two on one shape",
         {{Named(Named(Square(10), 0, "A"), 2, "A"), TopSide(10, "A")}},
         pfTooManySides},
        {"0.02 mm apart", {{TopSide(40, "A"), TopSide(40.02L, "A")}}, pfLengthMismatch},
        {"0.005 mm apart", {{TopSide(40, "A"), TopSide(40.005L, "A")}}, 0},
        {"0.009 mm apart", {{TopSide(40.009L, "A"), TopSide(40, "A")}}, 0},
        {"0.011 mm apart", {{TopSide(40.011L, "A"), TopSide(40, "A")}}, pfLengthMismatch},
        {"0.011 mm apart and no tab",
         {{bare, Named(Rect(40.011L, 5), 0, "A", 0)}},
         pfLengthMismatch | pfNoTab},
        {"three sides whose outer two differ",
         {{TopSide(40, "A"), TopSide(40.008L, "A"), TopSide(40.016L, "A")}},
         pfTooManySides | pfLengthMismatch},
        {"a damaged vertex",
         {{TopSide(40, "A"),
           Named(Shape({{0, 0}, {std::numeric_limits<long double>::quiet_NaN(), 0}, {0, 5}}), 0,
                 "A")}},
         pfLengthMismatch},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FindingsOf(c.Drawing, "A"), c.Findings) << c.What;
}

TEST(FlangePartnersTest, FindingsAreTheNamesOwn) {
    const TZvDat drawing = {{TopSide(40, "good"), TopSide(40, "lone"), TopSide(40, "good")}};
    const TFlangePartnerReport report = CheckFlangePartners(drawing);
    EXPECT_EQ(NameIn(report, "good")->Findings, 0);
    EXPECT_EQ(NameIn(report, "lone")->Findings, pfNoPartner);
    EXPECT_EQ(JointsWithFindings(report), 1);
    EXPECT_EQ(CompleteJoints(report), 1);
    EXPECT_EQ(CompleteJoints(CheckFlangePartners(TZvDat(2))), 0);
}

TEST(FlangePartnersTest, ShiftJisNamesCompareAsBytes) {
    // "ソ" and "表" end in 0x5C, the ASCII backslash; none of them escapes anything.
    const std::string so = "\x83\x5c";
    const std::string table = "\x95\x5c";
    const TZvDat drawing = {{TopSide(20, so), TopSide(20, so + "\\"), TopSide(20, table)},
                            {TopSide(20, "\\"), TopSide(20, table), TopSide(20, so)}};
    const TFlangePartnerReport report = CheckFlangePartners(drawing);
    ASSERT_EQ(report.Names.size(), 4u);
    EXPECT_EQ(NameIn(report, so)->Sides,
              (std::vector<TNamedSide>{{0, 0, 0, 20, 5}, {1, 2, 0, 20, 5}}));
    EXPECT_EQ(NameIn(report, table)->Findings, 0);
    EXPECT_EQ(NameIn(report, so + "\\")->Findings, pfNoPartner);
    EXPECT_EQ(NameIn(report, "\\")->Findings, pfNoPartner);
    EXPECT_EQ(NameIn(report, "\x83"), nullptr);
    EXPECT_EQ(PartnerPageMarks(report, drawing, 1)[1][0], Arrow + "1");
}

TEST(FlangePartnersTest, FlangesWithoutANameAreCountedAndNothingElse) {
    TPolygon square =
        Named(Named(Square(10), 0, ""), 1, "", -2); // a negative width is a flange too
    square.Flanges[2].Width = 0;                    // no flange, no name
    const TZvDat drawing = {{square}, {Named(Triangle(10), 0, "")}};
    const TFlangePartnerReport report = CheckFlangePartners(drawing);
    EXPECT_TRUE(report.Names.empty());
    EXPECT_EQ(report.UnnamedFlanges, 3);
    EXPECT_EQ(CheckFlangePartners(TZvDat(3)).UnnamedFlanges, 0);
}

TEST(FlangePartnersTest, FlangeRecordsBeyondTheVerticesAreLeftOut) {
    TPolygon shape = Named(Triangle(10), 1, "A");
    shape.Flanges.push_back(TFlange{5, RightAngle, RightAngle, "A"});
    TPolygon short_ = Named(Square(10), 0, "B");
    short_.Flanges.resize(2);
    const TFlangePartnerReport report = CheckFlangePartners({{shape, short_}});
    ASSERT_EQ(report.Names.size(), 2u);
    EXPECT_EQ(report.Names[0].Sides.size(), 1u);
    EXPECT_EQ(report.Names[1].Sides.size(), 1u);
}

TEST(FlangePartnersTest, MarksNameThePartnersPageWhenItIsAnother) {
    const TZvDat drawing = {
        {TopSide(40, "A"), Named(Named(Square(10), 1, "B"), 2, "C")},
        {TopSide(10, "B"), TopSide(10, "C")},
        {TopSide(40.5L, "A"), TopSide(10, "D"), TopSide(10, "D")},
    };
    const TFlangePartnerReport report = CheckFlangePartners(drawing);

    const TPageNameMarks first = PartnerPageMarks(report, drawing, 0);
    ASSERT_EQ(first.size(), 2u);
    // Partners of different lengths are still each other's partners.
    EXPECT_EQ(first[0], (std::vector<std::string>{Arrow + "3", "", "", ""}));
    EXPECT_EQ(first[1], (std::vector<std::string>{"", Arrow + "2", Arrow + "2", ""}));

    const TPageNameMarks third = PartnerPageMarks(report, drawing, 2);
    ASSERT_EQ(third.size(), 3u);
    EXPECT_EQ(third[0][0], Arrow + "1");
    // Partners on the same page need no mark.
    EXPECT_TRUE(third[1].empty());
    EXPECT_TRUE(third[2].empty());

    EXPECT_TRUE(PartnerPageMarks(report, drawing, 3).empty());
    EXPECT_TRUE(PartnerPageMarks(report, drawing, -1).empty());
}

TEST(FlangePartnersTest, NoMarksWithoutACertainPartner) {
    const TZvDat drawing = {
        {TopSide(40, "T"), TopSide(40, "lone")}, {TopSide(40, "T")}, {TopSide(40, "T")}};
    const TPageNameMarks marks = PartnerPageMarks(CheckFlangePartners(drawing), drawing, 0);
    ASSERT_EQ(marks.size(), 2u);
    EXPECT_TRUE(marks[0].empty()) << "three sides: which is the partner?";
    EXPECT_TRUE(marks[1].empty());
}

TEST(FlangePartnersTest, AReportOfAnotherDrawingMarksNothingItDoesNotHave) {
    const TZvDat before = {{TopSide(40, "A"), TopSide(40, "B")},
                           {TopSide(40, "A"), TopSide(40, "B")}};
    const TZvDat after = {{TopSide(40, "A")}, {}};
    const TPageNameMarks marks = PartnerPageMarks(CheckFlangePartners(before), after, 0);
    ASSERT_EQ(marks.size(), 1u);
    EXPECT_EQ(marks[0][0], Arrow + "2");
}

// Sides without a flange get their partner's page as flanged ones do, and the
// marks of every page at once are those of each page alone.
TEST(FlangePartnersTest, MarksOfAllPagesAtOnceAreThoseOfEachPage) {
    const TZvDat drawing = {
        {TopSide(40, "A"), Named(Named(Square(10), 1, "B", 0), 2, "C", 0)},
        {Named(Rect(10, 10), 0, "B", 0), TopSide(10, "C"), TopSide(10, "T")},
        {},
        {Named(Rect(40, 5), 0, "A", 0), TopSide(10, "T"), TopSide(10, "T")},
    };
    const TFlangePartnerReport report = CheckFlangePartners(drawing);
    const std::vector<TPageNameMarks> all = PartnerPageMarksOfAllPages(drawing);
    ASSERT_EQ(all.size(), drawing.size());
    for (int page = 0; page < static_cast<int>(drawing.size()); ++page)
        EXPECT_EQ(all[page], PartnerPageMarks(report, drawing, page)) << page;
    EXPECT_EQ(all[0][1], (std::vector<std::string>{"", Arrow + "2", Arrow + "2", ""}));
    EXPECT_EQ(all[3][0], (std::vector<std::string>{Arrow + "1", "", "", ""}));
    EXPECT_TRUE(all[2].empty());
    EXPECT_TRUE(all[1][2].empty()) << "three sides: which is the partner?";
    EXPECT_TRUE(PartnerPageMarksOfAllPages(TZvDat(2))[1].empty());
}
