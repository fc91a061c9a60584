// The picture table: every picture loads from its own resource at its control's size,
// is drawn inside its box, and is cached until ReleasePictures().
#include "resources/PictureTable.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "framework/Pictures.h"

namespace {

// Renders a picture at its own size on white.
QImage Render(QSvgRenderer& picture) {
  QImage image(picture.defaultSize(), QImage::Format_ARGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  picture.render(&painter);
  return image;
}

bool IsWhite(QRgb pixel) { return qRed(pixel) > 250 && qGreen(pixel) > 250 && qBlue(pixel) > 250; }

int InkedPixels(const QImage& image) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) count += IsWhite(image.pixel(x, y)) ? 0 : 1;
  return count;
}

bool FrameIsBlank(const QImage& image) {
  const int right = image.width() - 1, bottom = image.height() - 1;
  for (int x = 0; x <= right; ++x)
    if (!IsWhite(image.pixel(x, 0)) || !IsWhite(image.pixel(x, bottom))) return false;
  for (int y = 0; y <= bottom; ++y)
    if (!IsWhite(image.pixel(0, y)) || !IsWhite(image.pixel(right, y))) return false;
  return true;
}

class PictureTableTest : public ::testing::Test {
 protected:
  void SetUp() override { ReleasePictures(); }
  void TearDown() override { ReleasePictures(); }
};

TEST_F(PictureTableTest, RowsFollowTheResourceNumbersAndNames) {
  std::set<std::string_view> names;
  int previous = 167;
  for (const PictureRow& row : PictureTable) {
    SCOPED_TRACE(std::string(row.name));
    EXPECT_GT(row.number, previous);
    EXPECT_NE(row.number, 187);
    EXPECT_NE(row.number, 188);
    EXPECT_TRUE(names.insert(row.name).second);
    previous = row.number;
    // A name ends in the width of its canvas; ai_150 alone stands on a canvas 130 wide.
    const auto underscore = row.name.rfind('_');
    if (underscore == std::string_view::npos) continue;
    const int named = std::stoi(std::string(row.name.substr(underscore + 1)));
    EXPECT_EQ(row.width, row.name == "ai_150" ? 130 : named);
  }
  EXPECT_EQ(previous, 218);
  EXPECT_EQ(names.size(), 49u);
  EXPECT_TRUE(names.count("Logo10") && names.count("Liquid") && names.count("Vapour"));
}

TEST_F(PictureTableTest, EveryPictureLoadsAtItsControlSize) {
  for (const PictureRow& row : PictureTable) {
    SCOPED_TRACE(std::string(row.name));
    const fw::Picture picture = row.accessor();
    ASSERT_TRUE(picture);
    EXPECT_TRUE(picture->isValid());
    EXPECT_EQ(picture->defaultSize(), QSize(row.width, row.height));
    EXPECT_EQ(picture->viewBoxF(), QRectF(0, 0, row.width, row.height));
  }
}

TEST_F(PictureTableTest, EachAccessorShowsItsOwnResource) {
  for (const PictureRow& row : PictureTable) {
    SCOPED_TRACE(std::string(row.name));
    const fw::Picture viaAccessor = row.accessor();
    const fw::Picture viaNumber = fw::GetPicture(row.number);
    ASSERT_TRUE(viaAccessor && viaNumber);
    EXPECT_EQ(Render(*viaAccessor), Render(*viaNumber));
  }
}

TEST_F(PictureTableTest, EveryPictureIsDrawnInsideItsBox) {
  for (const PictureRow& row : PictureTable) {
    SCOPED_TRACE(std::string(row.name));
    const fw::Picture picture = row.accessor();
    ASSERT_TRUE(picture);
    const QImage image = Render(*picture);
    EXPECT_GT(InkedPixels(image), row.width * row.height / 100) << "nearly empty";
    EXPECT_TRUE(FrameIsBlank(image)) << "touches the edge of its box, so it may be clipped";
  }
}

TEST_F(PictureTableTest, OnlyTheFortyNinePicturesAreResources) {
  EXPECT_FALSE(fw::GetPicture(187));
  EXPECT_FALSE(fw::GetPicture(188));
  const QStringList files = QDir(QStringLiteral(":/pictures")).entryList(QDir::Files);
  EXPECT_EQ(files.size(), PictureCount);
  for (const PictureRow& row : PictureTable)
    EXPECT_TRUE(files.contains(QStringLiteral("%1.svg").arg(row.number))) << row.number;
}

TEST_F(PictureTableTest, SecondCallReturnsTheCachedPicture) {
  for (const PictureRow& row : PictureTable) {
    SCOPED_TRACE(std::string(row.name));
    const fw::Picture first = row.accessor();
    EXPECT_EQ(row.accessor().get(), first.get());
  }
}

TEST_F(PictureTableTest, ReleaseEmptiesEveryCache) {
  std::vector<fw::Picture> held;
  for (const PictureRow& row : PictureTable) held.push_back(row.accessor());
  ReleasePictures();
  for (std::size_t i = 0; i < held.size(); ++i) {
    SCOPED_TRACE(std::string(PictureTable[i].name));
    EXPECT_EQ(held[i].use_count(), 1) << "the cache still holds the picture";
    const fw::Picture reloaded = PictureTable[i].accessor();
    ASSERT_TRUE(reloaded);
    EXPECT_NE(reloaded.get(), held[i].get());
  }
}

TEST_F(PictureTableTest, ReleaseOfPicturesNeverLoadedDoesNothing) {
  const fw::Picture logo = Logo10();
  ReleasePictures();
  ReleasePictures();
  EXPECT_EQ(logo.use_count(), 1);
  EXPECT_TRUE(Logo10());
}

}  // namespace
