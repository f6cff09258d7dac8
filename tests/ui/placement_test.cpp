// SPDX-License-Identifier: GPL-3.0-or-later
// Window geometry rules: twips, the main window's placement from the
// profile, the main layout and the keep-on-screen rule.

#include "ui/placement.h"

#include <QtTest>


class PlacementTest : public QObject {
    Q_OBJECT
  private slots:
    void TwipsFollowTheLogicalResolution() {
        QCOMPARE(TwipsPerPixel(96.0), 15.0);
        QCOMPARE(TwipsPerPixel(144.0), 10.0);
        QCOMPARE(TwipsPerPixel(0.0), 15.0);  // no resolution known
        QCOMPARE(TwipsToPixels(3100, 15.0), 207);
        QCOMPARE(PixelsToTwips(207, 15.0), 3105);
        QCOMPARE(TwipsToPixels(4470, 10.0), 447);
        QCOMPARE(TwipsToPixels(2000000000, 0.001), INT32_MAX);  // saturates
    }

    void WithoutStoredStateTheWindowOpensAtDefaults_data() {
        QTest::addColumn<int>("sw");
        QTest::addColumn<int>("sh");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::newRow("full hd") << 1920 << 1080 << 38 << 21 << 840 << 500;
        QTest::newRow("vga") << 640 << 480 << 12 << 9 << 614 << 432;
        QTest::newRow("800x600") << 800 << 600 << 16 << 12 << 768 << 500;
    }
    void WithoutStoredStateTheWindowOpensAtDefaults() {
        QFETCH(int, sw);
        QFETCH(int, sh);
        const WindowPlacement p = PlacementFromProfile(StoredPlacement{}, sw, sh);
        QCOMPARE(p.state, int(kStateNormal));
        QFETCH(int, left);
        QFETCH(int, top);
        QFETCH(int, width);
        QFETCH(int, height);
        QCOMPARE(p.normal, (PlaceRect{left, top, width, height}));
    }

    void StoredRectanglesAreKeptReachable_data() {
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("expLeft");
        QTest::addColumn<int>("expTop");
        // Screen 1280 x 1024.
        QTest::newRow("on screen") << 100 << 50 << 600 << 400 << 100 << 50;
        QTest::newRow("above the screen") << 100 << -900 << 600 << 400 << 100 << 0;
        QTest::newRow("left of the screen") << -700 << 50 << 600 << 400 << 0 << 50;
        QTest::newRow("partly left stays") << -300 << 50 << 600 << 400 << -300 << 50;
        QTest::newRow("beyond right edge") << 1280 << 50 << 600 << 400 << 680 << 50;
        QTest::newRow("beyond bottom edge") << 10 << 5000 << 600 << 400 << 10 << 624;
        QTest::newRow("huge values") << INT32_MAX << INT32_MAX << 600 << 400 << 680 << 624;
        QTest::newRow("huge negative") << INT32_MIN << INT32_MIN << 600 << 400 << 0 << 0;
    }
    void StoredRectanglesAreKeptReachable() {
        QFETCH(int, left);
        QFETCH(int, top);
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(int, expLeft);
        QFETCH(int, expTop);
        const WindowPlacement p = PlacementFromProfile(
            StoredPlacement{kStateNormal, left, top, width, height}, 1280, 1024);
        QCOMPARE(p.normal.left, expLeft);
        QCOMPARE(p.normal.top, expTop);
        QCOMPARE(p.normal.width, width);
        QCOMPARE(p.normal.height, height);
    }

    void StoredStatesOpenNormalOrMaximised() {
        const StoredPlacement base{kStateNormal, 10, 20, 700, 450};
        for (const auto& [stored, expected] :
             {std::pair{int(kStateNormal), int(kStateNormal)},
              std::pair{int(kStateMinimised), int(kStateNormal)},  // never start as an icon
              std::pair{int(kStateMaximised), int(kStateMaximised)},
              std::pair{7, int(kStateNormal)}}) {
            StoredPlacement s = base;
            s.state = stored;
            const WindowPlacement p = PlacementFromProfile(s, 1280, 1024);
            QCOMPARE(p.state, expected);
            QCOMPARE(p.normal, (PlaceRect{10, 20, 700, 450}));
        }
    }

    void AStoredStateWithoutSizeTakesTheDefaultSize() {
        const WindowPlacement p =
            PlacementFromProfile(StoredPlacement{kStateNormal, 30, 40, -1, 0}, 1280, 1024);
        QCOMPARE(p.normal, (PlaceRect{30, 40, 840, 500}));
    }

    void LayoutSharesTheWidthBetweenTreeAndGrid() {
        const MainLayout l = ComputeMainLayout(12000, 8000, 0, 3100);
        QCOMPARE(l.tree, (PlaceRect{0, 24, 3100, 7880}));
        QCOMPARE(l.separator, (PlaceRect{3100, 24, 85, 7880}));
        QCOMPARE(l.grid, (PlaceRect{3184, 24, 12000 - 3184, 7880}));
    }

    void ATreeDraggedTooWideLeavesTheGrid120Twips() {
        const MainLayout l = ComputeMainLayout(6000, 4000, 0, 9000);
        QCOMPARE(l.tree.width, 6000 - 204);
        QCOMPARE(l.grid.width, 120);
        QCOMPARE(l.grid.left + l.grid.width, 6000);
    }

    void ATinyWindowKeepsEveryControlAtLeastOneTwip() {
        for (const auto& [w, h, tree] :
             {std::tuple{0, 0, 3100}, std::tuple{100, 50, -500}, std::tuple{-10, -10, 0}}) {
            const MainLayout l = ComputeMainLayout(w, h, 0, tree);
            QVERIFY(l.tree.width >= 1);
            QVERIFY(l.tree.height >= 1);
            QVERIFY(l.grid.width >= 1);
            QVERIFY(l.grid.height >= 1);
        }
    }

    void DialogsAreKeptOnTheScreen() {
        const struct {
            PlaceRect in, out;
        } cases[] = {
            {{100, 100, 300, 90}, {100, 100, 300, 90}},
            {{1200, 100, 300, 90}, {980, 100, 300, 90}},   // past the right edge
            {{100, 1000, 300, 90}, {100, 934, 300, 90}},   // past the bottom
            {{-50, -20, 300, 90}, {0, 0, 300, 90}},        // above and left
            {{500, 500, 2000, 2000}, {0, 0, 2000, 2000}},  // larger than the screen
        };
        for (const auto& c : cases) QCOMPARE(KeepOnScreen(c.in, 1280, 1024), c.out);
    }
};

QTEST_GUILESS_MAIN(PlacementTest)
#include "placement_test.moc"
