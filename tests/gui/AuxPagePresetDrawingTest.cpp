// The preset sequences' help drawings: which drawing a preset gets in each
// language, and that each is a distinct black-on-white picture of its size.
#include "GuiTestHarness.h"

#include <vector>

#include <wx/image.h>

#include "pages/aux/PresetDrawing.h"

using namespace guitest;

namespace {

class AuxPagePresetDrawingTest : public GuiTest {};

TEST_F(AuxPagePresetDrawingTest, KeysByPresetLanguageAndSpread)
{
    struct Case {
        int preset;
        bool spread;
        int times;
        int16_t english;
        int16_t german;
        int16_t french;
    };
    const Case cases[] = {
        {0, false, 0, 0, 0, 0},        {1, false, 1, 442, 178, 177}, {4, true, 1, 442, 178, 177},
        {5, false, 2, 443, 180, 179},  {8, true, 2, 443, 180, 179},  {9, false, 3, 444, 181, 182},
        {16, false, 3, 444, 181, 182}, {9, true, 3, 445, 183, 184},  {16, true, 3, 445, 183, 184},
        {17, true, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "preset " << c.preset << " spread " << c.spread);
        EXPECT_EQ(PresetTimeCount(c.preset), c.times);
        EXPECT_EQ(PresetDrawingKey(c.preset, 0, c.spread), c.english);
        EXPECT_EQ(PresetDrawingKey(c.preset, 500, c.spread), c.german);
        EXPECT_EQ(PresetDrawingKey(c.preset, 1000, c.spread), c.french);
        EXPECT_EQ(PresetDrawingKey(c.preset, 1500, c.spread), c.english);
    }
}

TEST_F(AuxPagePresetDrawingTest, EachKeyDrawsItsOwnPictureInBlackOnWhite)
{
    const int16_t keys[] = {442, 443, 444, 445, 178, 180, 181, 183, 177, 179, 182, 184};
    std::vector<wxImage> images;
    for (int16_t key : keys) {
        SCOPED_TRACE(key);
        const wxBitmap drawing = DrawPreset(key);
        ASSERT_TRUE(drawing.IsOk());
        EXPECT_EQ(drawing.GetSize(), wxSize(252, 98));
        const wxImage image = drawing.ConvertToImage();
        EXPECT_EQ(wxColour(image.GetRed(0, 0), image.GetGreen(0, 0), image.GetBlue(0, 0)), *wxWHITE);
        int black = 0;
        for (int y = 0; y < image.GetHeight(); ++y) {
            for (int x = 0; x < image.GetWidth(); ++x)
                black += image.GetRed(x, y) == 0 && image.GetGreen(x, y) == 0 && image.GetBlue(x, y) == 0;
        }
        EXPECT_GT(black, 300);
        for (const wxImage& other : images) {
            const size_t bytes = size_t(image.GetWidth()) * size_t(image.GetHeight()) * 3;
            EXPECT_NE(std::vector<unsigned char>(image.GetData(), image.GetData() + bytes),
                      std::vector<unsigned char>(other.GetData(), other.GetData() + bytes));
        }
        images.push_back(image);
    }
    EXPECT_FALSE(DrawPreset(0).IsOk());
    EXPECT_FALSE(DrawPreset(446).IsOk());
}

}  // namespace
