// Every input the fuzzers kept, through the reader it was found for.
#include "FuzzInputs.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

struct TCorpus {
  const char* Target;
  bool (*Input)(const std::uint8_t*, std::size_t);
};

class FuzzCorpus : public ::testing::TestWithParam<TCorpus> {};

TEST_P(FuzzCorpus, EveryInputKeepsTheReadersPromises) {
  const QDir dir(QStringLiteral(GLINTWEAVE_FUZZ_CORPUS "/") + QString::fromLatin1(GetParam().Target));
  const QStringList files = dir.entryList(QDir::Files, QDir::Name);
  ASSERT_GE(files.size(), 3) << "corpus missing: " << dir.path().toStdString();
  for (const QString& name : files) {
    QFile f(dir.filePath(name));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << name.toStdString();
    const QByteArray bytes = f.readAll();
    EXPECT_TRUE(GetParam().Input(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                 std::size_t(bytes.size())))
        << name.toStdString();
  }
}

INSTANTIATE_TEST_SUITE_P(Targets, FuzzCorpus,
                         ::testing::Values(TCorpus{"pattern_file", FuzzPatternFileInput},
                                           TCorpus{"palette_file", FuzzPaletteFileInput},
                                           TCorpus{"bitmap", FuzzBitmapInput}),
                         [](const auto& info) { return std::string(info.param.Target); });

}  // namespace
