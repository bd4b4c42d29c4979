// Colour text as chat messages carry it and the settings file keeps it: the sixteen names, "$" and
// hexadecimal digits, and decimal numbers, with red in the lowest byte.
#include "table/colourtext.h"

#include <gtest/gtest.h>

namespace {

struct Named {
    const char* name;
    QColor colour;
};

// As a player sees them: red, green and blue.
const Named kStandard[] = {
    {"clBlack", QColor(0, 0, 0)},        {"clMaroon", QColor(128, 0, 0)},     {"clGreen", QColor(0, 128, 0)},
    {"clOlive", QColor(128, 128, 0)},    {"clNavy", QColor(0, 0, 128)},       {"clPurple", QColor(128, 0, 128)},
    {"clTeal", QColor(0, 128, 128)},     {"clGray", QColor(128, 128, 128)},   {"clSilver", QColor(192, 192, 192)},
    {"clRed", QColor(255, 0, 0)},        {"clLime", QColor(0, 255, 0)},       {"clYellow", QColor(255, 255, 0)},
    {"clBlue", QColor(0, 0, 255)},       {"clFuchsia", QColor(255, 0, 255)},  {"clAqua", QColor(0, 255, 255)},
    {"clWhite", QColor(255, 255, 255)},
};

std::optional<QColor> read(std::string_view text)
{
    const auto value = readColourText(text);
    return value ? std::optional(colourFromValue(*value)) : std::nullopt;
}

} // namespace

TEST(ColourText, EachOfTheSixteenNamesReadsAsItsColourInAnyCaseAndIsWrittenByName)
{
    for (const Named& standard : kStandard) {
        SCOPED_TRACE(standard.name);
        EXPECT_EQ(read(standard.name), standard.colour);
        EXPECT_EQ(writeColourText(colourValue(standard.colour)), standard.name);
        std::string upper = standard.name;
        for (char& c : upper)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        EXPECT_EQ(read(upper), standard.colour);
    }
}

TEST(ColourText, OtherColoursAreEightHexadecimalDigitsWithRedLowest)
{
    EXPECT_EQ(writeColourText(colourValue(QColor(0, 255, 128))), "$0080FF00");
    EXPECT_EQ(writeColourText(colourValue(QColor(0x12, 0x34, 0x56))), "$00563412");
    EXPECT_EQ(writeColourText(colourValue(QColor(1, 0, 0))), "$00000001");
    EXPECT_EQ(read("$0080FF00"), QColor(0, 255, 128));
    EXPECT_EQ(read("$80ff00"), QColor(0, 255, 128)); // fewer digits, lower case
    EXPECT_EQ(read("$000000FF"), QColor(255, 0, 0));
    EXPECT_EQ(read("$0"), QColor(0, 0, 0));
    // What is written reads back as the same colour.
    for (const QColor& colour : {QColor(1, 2, 3), QColor(250, 128, 7), QColor(0, 0, 1)})
        EXPECT_EQ(read(writeColourText(colourValue(colour))), colour) << colour.name().toStdString();
}

TEST(ColourText, DecimalNumbersAreRead)
{
    EXPECT_EQ(read("255"), QColor(255, 0, 0));
    EXPECT_EQ(read("65280"), QColor(0, 255, 0));
    EXPECT_EQ(read("16711680"), QColor(0, 0, 255));
    EXPECT_EQ(read("16777215"), QColor(255, 255, 255));
    EXPECT_EQ(read("0"), QColor(0, 0, 0));
    EXPECT_EQ(read("0000255"), QColor(255, 0, 0));
}

TEST(ColourText, AnythingElseCannotBeRead)
{
    for (const char* text : {
             "",            // nothing
             "$",           // a bare "$"
             "$123456789",  // more than eight digits
             "$0000000000", // more than eight digits, though the value is small
             "$01000000",   // the high byte names a system colour
             "$FFFFFFFF",
             "16777216",    // past white
             "4294967295",
             "-1",
             "-0x1",
             "$-1",
             "$12G4",
             "0x00FF00",
             "12.5",
             " clRed",      // blanks are not part of a name
             "clRed ",
             "clRedd",
             "cl",
             "Red",
             "$ FF",
         })
        EXPECT_EQ(readColourText(text), std::nullopt) << '"' << text << '"';
}
