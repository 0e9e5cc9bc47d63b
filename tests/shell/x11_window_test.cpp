// The window's behaviour that only a real X server with a window manager
// shows: where the window manager puts the window, that it keeps it on top,
// the translucency while another application is active, as other X clients
// see it, and the program ending when the window manager closes its window.
// run_under_x11 gives these tests their own Xvfb, D-Bus session and openbox.
#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <optional>
#include <ostream>
#include <vector>

#include "shell/form1.h"

// Lets GoogleTest show a position it reports.
static void PrintTo(const QPoint& point, std::ostream* out) {
  *out << "(" << point.x() << ", " << point.y() << ")";
}

namespace {

// Bounds every wait, only so that a fault ends in a failure instead of a
// hang; nothing here depends on how fast anything is.
constexpr int kBoundMs = 15000;

constexpr QPoint kWindowPosition(194, 111);
// Qt writes a window's opacity as that fraction of 0xffffffff; inactive, the
// window shows at 100/255 (255 * 16843009 == 0xffffffff, so this is exact).
constexpr quint32 kInactiveOpacity = 100 * 16843009u;
constexpr quint32 kOpaque = 0xffffffffu;

struct ToolRun {
  bool finished = false;
  int exitCode = -1;
  QString output;
  QString errors;
};

// Runs a helper program to its end while this process goes on handling its
// own events: the helper may wait on the window manager, which may wait on
// our window.
ToolRun RunTool(const QString& program, const QStringList& arguments) {
  ToolRun run;
  QProcess process;
  process.start(program, arguments);
  run.finished = process.waitForStarted(kBoundMs) &&
                 QTest::qWaitFor([&] { return process.state() == QProcess::NotRunning; }, kBoundMs);
  if (!run.finished) {
    process.kill();
    process.waitForFinished(kBoundMs);
    return run;
  }
  run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  run.output = QString::fromLocal8Bit(process.readAllStandardOutput());
  run.errors = QString::fromLocal8Bit(process.readAllStandardError());
  return run;
}

QString Id(WId window) {
  return QString::number(window);
}

// One property of a window as xprop prints it, read by another X client so
// that it is what the window manager and the compositor see.
QString Property(WId window, const QString& name) {
  const ToolRun run = RunTool(QStringLiteral("xprop"), {QStringLiteral("-id"), Id(window), name});
  EXPECT_TRUE(run.finished && run.exitCode == 0)
      << "xprop " << name.toStdString() << ": " << run.errors.toStdString();
  return run.output;
}

// The numbers of a CARDINAL property; empty when the window has none.
std::vector<quint32> Cardinals(WId window, const QString& name) {
  std::vector<quint32> values;
  const QString text = Property(window, name);
  const qsizetype equals = text.indexOf('=');
  if (!text.startsWith(name + QStringLiteral("(CARDINAL)")) || equals < 0) {
    return values;
  }
  for (const QString& item : text.mid(equals + 1).split(',')) {
    bool ok = false;
    values.push_back(item.trimmed().toUInt(&ok));
    EXPECT_TRUE(ok) << text.toStdString();
  }
  return values;
}

bool StaysAbove(WId window) {
  return Property(window, QStringLiteral("_NET_WM_STATE")).contains("_NET_WM_STATE_ABOVE");
}

// The opacity the window asks for; none at all means fully opaque.
std::optional<quint32> Opacity(WId window) {
  const std::vector<quint32> values = Cardinals(window, QStringLiteral("_NET_WM_WINDOW_OPACITY"));
  if (values.empty()) {
    return std::nullopt;
  }
  EXPECT_EQ(values.size(), 1u);
  return values.front();
}

bool Opaque(WId window) {
  return Opacity(window).value_or(kOpaque) == kOpaque;
}

// The top left of the window manager's frame, from the client window's place
// on the screen less the frame's left and top edges.
std::optional<QPoint> FramePosition(WId window) {
  const ToolRun run = RunTool(QStringLiteral("xwininfo"), {QStringLiteral("-id"), Id(window)});
  static const QRegularExpression absolute(
      QStringLiteral(R"(Absolute upper-left X:\s*(-?\d+)\s+Absolute upper-left Y:\s*(-?\d+))"));
  const QRegularExpressionMatch match = absolute.match(run.output);
  const std::vector<quint32> extents = Cardinals(window, QStringLiteral("_NET_FRAME_EXTENTS"));
  if (!match.hasMatch() || extents.size() != 4) {
    ADD_FAILURE() << "xwininfo: " << run.output.toStdString();
    return std::nullopt;
  }
  // _NET_FRAME_EXTENTS is left, right, top, bottom.
  return QPoint(match.captured(1).toInt() - static_cast<int>(extents[0]),
                match.captured(2).toInt() - static_cast<int>(extents[2]));
}

// xdotool answers a search with one window id a line.
std::vector<WId> SearchWindows(const QStringList& criteria) {
  const ToolRun run = RunTool(QStringLiteral("xdotool"), QStringList{"search"} + criteria);
  std::vector<WId> windows;
  for (const QString& line : run.output.split('\n', Qt::SkipEmptyParts)) {
    windows.push_back(line.trimmed().toULongLong());
  }
  return windows;
}

std::optional<WId> WaitForWindow(const QStringList& criteria) {
  std::vector<WId> found;
  const bool appeared = QTest::qWaitFor(
      [&] {
        found = SearchWindows(criteria);
        return !found.empty();
      },
      kBoundMs);
  if (!appeared || found.size() != 1) {
    ADD_FAILURE() << found.size() << " windows match " << criteria.join(' ').toStdString();
    return std::nullopt;
  }
  return found.front();
}

// Makes a window the active one through the window manager, as a click on
// it or a pager would, and waits until the window manager says it is.
void Activate(WId window) {
  const ToolRun run = RunTool(QStringLiteral("xdotool"), {QStringLiteral("windowactivate"),
                                                          QStringLiteral("--sync"), Id(window)});
  ASSERT_TRUE(run.finished) << "xdotool windowactivate did not return";
  ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
}

// A program that is ended and waited for whatever way the test leaves, as
// QProcess warns (and so fails the test) when destroyed with one running.
class ChildProgram {
 public:
  ChildProgram(const QString& program, const QStringList& arguments) {
    process_.start(program, arguments);
  }
  ~ChildProgram() {
    if (process_.state() != QProcess::NotRunning) {
      process_.kill();
      process_.waitForFinished(kBoundMs);
    }
  }
  ChildProgram(const ChildProgram&) = delete;
  ChildProgram& operator=(const ChildProgram&) = delete;

  QProcess& process() { return process_; }

 private:
  QProcess process_;
};

class X11WindowTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(QGuiApplication::platformName(), "xcb")
        << "run these tests through run_under_x11, which starts an X session for them";
    form_.show();
    form_.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form_));
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form_));
    window_ = form_.winId();
    // Focus may have passed through no window at all on its way here, from
    // the window of the test before: the window answers each change of the
    // application state in turn, so wait for it to reach the last one.
    ASSERT_NO_FATAL_FAILURE(SettleTo(true));
  }

  // Waits until the application state and the window's own view of it
  // agree with `active`, then until other X clients see the opacity that
  // goes with it: Qt sends the property on its next flush.
  void SettleTo(bool active) {
    const Qt::ApplicationState state = active ? Qt::ApplicationActive : Qt::ApplicationInactive;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
          return QGuiApplication::applicationState() == state && form_.alphaBlend() != active;
        },
        kBoundMs))
        << "application state " << QGuiApplication::applicationState();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return active ? Opaque(window_) : Opacity(window_) == kInactiveOpacity; }, kBoundMs))
        << "opacity " << Opacity(window_).value_or(kOpaque);
  }

  TForm1 form_;
  WId window_ = 0;
};

TEST_F(X11WindowTest, WindowManagerKeepsTheWindowOnTopAtItsPlace) {
  EXPECT_TRUE(StaysAbove(window_));
  EXPECT_EQ(FramePosition(window_), kWindowPosition);
  // Qt learns the frame from the window manager a little after mapping.
  EXPECT_TRUE(
      QTest::qWaitFor([&] { return form_.frameGeometry().topLeft() == kWindowPosition; }, kBoundMs))
      << "Qt puts the frame at " << form_.frameGeometry().x() << "," << form_.frameGeometry().y();
  EXPECT_NE(form_.frameGeometry(), form_.geometry()) << "openbox draws no frame";
  EXPECT_TRUE(Opaque(window_));
  // Nothing on the window adapts to another size, so the window manager
  // must offer neither resizing nor maximising.
  const QString allowed = Property(window_, QStringLiteral("_NET_WM_ALLOWED_ACTIONS"));
  EXPECT_TRUE(allowed.contains("_NET_WM_ACTION_CLOSE")) << allowed.toStdString();
  for (const char* action :
       {"_NET_WM_ACTION_RESIZE", "_NET_WM_ACTION_MAXIMIZE_HORZ", "_NET_WM_ACTION_MAXIMIZE_VERT"}) {
    EXPECT_FALSE(allowed.contains(action)) << allowed.toStdString();
  }
}

TEST_F(X11WindowTest, TranslucentOnTopWhileAnotherApplicationIsActive) {
  // Another process's window, beside ours rather than under it.
  const QString title = QStringLiteral("pelorin-other-%1").arg(QCoreApplication::applicationPid());
  ChildProgram other(QStringLiteral("xmessage"),
                     {QStringLiteral("-title"), title, QStringLiteral("-geometry"),
                      QStringLiteral("+600+400"), QStringLiteral("another application")});
  const std::optional<WId> otherWindow =
      WaitForWindow({QStringLiteral("--name"), QStringLiteral("^%1$").arg(title)});
  ASSERT_TRUE(otherWindow.has_value());

  // The first time differs inside the window (the inactive alpha is set
  // then for the first time), so it must come out the same as later ones.
  for (int cycle = 0; cycle < 3; ++cycle) {
    SCOPED_TRACE(testing::Message() << "cycle " << cycle);
    ASSERT_NO_FATAL_FAILURE(Activate(*otherWindow));
    ASSERT_NO_FATAL_FAILURE(SettleTo(false));
    EXPECT_TRUE(form_.alphaBlend());
    EXPECT_EQ(form_.alphaBlendValue(), 100);
    EXPECT_EQ(Opacity(window_), kInactiveOpacity);
    EXPECT_TRUE(StaysAbove(window_));

    ASSERT_NO_FATAL_FAILURE(Activate(window_));
    ASSERT_NO_FATAL_FAILURE(SettleTo(true));
    EXPECT_FALSE(form_.alphaBlend());
    EXPECT_TRUE(Opaque(window_));
    EXPECT_TRUE(StaysAbove(window_));
  }
}

TEST(X11ProgramTest, EndsWithSuccessWhenTheWindowManagerClosesItsWindow) {
  ASSERT_EQ(QGuiApplication::platformName(), "xcb");
  ChildProgram program(QStringLiteral(PELORIN_BINARY), {});
  QProcess& process = program.process();
  ASSERT_TRUE(process.waitForStarted(kBoundMs)) << process.errorString().toStdString();
  const std::optional<WId> window =
      WaitForWindow({QStringLiteral("--onlyvisible"), QStringLiteral("--pid"),
                     QString::number(process.processId()), QStringLiteral("--name"),
                     QStringLiteral("^Pelorin$")});
  ASSERT_TRUE(window.has_value());
  EXPECT_TRUE(QTest::qWaitFor([&] { return StaysAbove(*window); }, kBoundMs));
  EXPECT_EQ(FramePosition(*window), kWindowPosition);

  ASSERT_NO_FATAL_FAILURE(Activate(*window));
  const ToolRun run =
      RunTool(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("alt+F4")});
  ASSERT_TRUE(run.finished && run.exitCode == 0) << run.errors.toStdString();
  ASSERT_TRUE(QTest::qWaitFor([&] { return process.state() == QProcess::NotRunning; }, kBoundMs))
      << "the program did not end";
  EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(process.exitCode(), 0);
  // The session gives the program all it looks for (a runtime folder, a
  // session bus, a window manager), so any word from it, Qt's warnings
  // included, is about the program itself.
  EXPECT_EQ(process.readAllStandardOutput().toStdString(), "");
  EXPECT_EQ(process.readAllStandardError().toStdString(), "");
}

}  // namespace
