// SPDX-License-Identifier: GPL-3.0-or-later
#include <sys/stat.h>

#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>
#include <chrono>

#include "screens/help_window.h"
#include "test_game_folder.h"

using velmoran::HelpWindow;

// A help page edited to name a pipe, a device and pictures outside the game: the window opens
// at once, and shows the game's own picture and nothing of the others.
class HelpBrowserTest : public QObject {
  Q_OBJECT

 private slots:
  void showsOnlyWhatTheGamesFoldersHold() {
    velmoran::testing::TestGameFolder folder;
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QVERIFY(picture.save(QString::fromStdString((folder / "hra.png").string())));
    QVERIFY(picture.save(QString::fromStdString((folder.scratch() / "venku.png").string())));
    QVERIFY(::mkfifo((folder / "roura.png").c_str(), 0644) == 0);
    folder.writeBytes("napoveda.html",
                      "<html><body><p>Nápověda</p><img src=\"hra.png\"><img src=\"roura.png\">"
                      "<img src=\"/dev/zero\"><img src=\"../venku.png\"><img src=\"" +
                          (folder.scratch() / "venku.png").string() + "\"></body></html>");
    const auto started = std::chrono::steady_clock::now();
    HelpWindow help(
        QUrl::fromLocalFile(QString::fromStdString((folder / "napoveda.html").string())));
    help.show();
    QVERIFY(QTest::qWaitForWindowExposed(&help));
    QVERIFY(std::chrono::steady_clock::now() - started < std::chrono::seconds(5));
    QTextBrowser* page = help.browser();
    QVERIFY(page->toPlainText().contains(QStringLiteral("Nápověda")));
    const auto loaded = [&](const QString& name) {
      return !page->loadResource(QTextDocument::ImageResource, QUrl(name)).toByteArray().isEmpty();
    };
    QVERIFY(loaded(QStringLiteral("hra.png")));
    for (const QString& name :
         {QStringLiteral("roura.png"), QStringLiteral("/dev/zero"), QStringLiteral("../venku.png"),
          QUrl::fromLocalFile(QString::fromStdString((folder.scratch() / "venku.png").string()))
              .toString()}) {
      QVERIFY2(!loaded(name), qPrintable(name));
    }
  }
};

QTEST_MAIN(HelpBrowserTest)
#include "help_browser_test.moc"
