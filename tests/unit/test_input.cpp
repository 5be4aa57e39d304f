// Window messages into input globals, and the input-script format.
#include <gtest/gtest.h>

#include <fstream>

#include "app/app.h"
#include "app/input.h"
#include "app/pause.h"
#include "app/record.h"
#include "app/touch.h"
#include "base/platform.h"
#include "app/script.h"
#include "game_run.h"

TEST(Input, ClickFlagSetOnPressClearedOnRelease) {
    ResetInput();
    InputMouseMove(100, 200);
    InputButton(1, true, 1000);
    SnapshotKeys();
    EXPECT_EQ(g_LButton, 1);
    EXPECT_TRUE(KeyDown(VK_LBUTTON));
    InputButton(1, false, 1050);
    SnapshotKeys();
    EXPECT_EQ(g_LButton, 0);
    EXPECT_FALSE(KeyDown(VK_LBUTTON));
}

TEST(Input, SecondPressOfADoubleClickDoesNotSetTheFlag) {
    ResetInput();
    InputMouseMove(10, 10);
    InputButton(1, true, 1000);
    SnapshotKeys();  // frames between the presses
    InputButton(1, false, 1050);
    SnapshotKeys();
    InputButton(1, true, 1200);  // quick, same spot
    EXPECT_EQ(g_LButton, 0);
    SnapshotKeys();
    EXPECT_TRUE(KeyDown(VK_LBUTTON));  // the button itself is down
    InputButton(1, false, 1250);
    InputButton(1, true, 1400);  // a third press starts a new pair
    EXPECT_EQ(g_LButton, 1);
    InputButton(1, false, 1450);
    // Slow presses, or presses far apart, are single clicks.
    InputButton(1, true, 3000);
    EXPECT_EQ(g_LButton, 1);
    InputButton(1, false, 3050);
    InputMouseMove(300, 10);
    InputButton(1, true, 3100);
    EXPECT_EQ(g_LButton, 1);
}

// A press and its release between two frames: the next frame sees the button
// (or key) down and the click flag set; the frame after sees neither.
TEST(Input, APressReleasedBeforeTheFrameCountsForOneFrame) {
    struct Case {
        int vk;
        void (*press)(bool down);
    } cases[] = {
        {VK_LBUTTON, [](bool d) { InputButton(1, d, 5000); }},
        {VK_RBUTTON, [](bool d) { InputButton(2, d, 5000); }},
        {VK_SPACE, [](bool d) { InputKey(VK_SPACE, d); }},
    };
    for (const Case& c : cases) {
        ResetInput();
        SnapshotKeys();
        c.press(true);
        c.press(false);
        SnapshotKeys();
        EXPECT_TRUE(KeyDown(c.vk)) << c.vk;
        EXPECT_EQ(g_LButton, c.vk == VK_LBUTTON ? 1 : 0) << c.vk;
        SnapshotKeys();
        EXPECT_FALSE(KeyDown(c.vk)) << c.vk;
        EXPECT_EQ(g_LButton, 0) << c.vk;
    }
    // A click the frame used is not brought back by its late release.
    ResetInput();
    InputButton(1, true, 9000);
    InputButton(1, false, 9010);
    SnapshotKeys();
    g_LButton = 0;
    InputButton(1, true, 9900);  // the next click, after the frame
    EXPECT_EQ(g_LButton, 1);
    SnapshotKeys();
    EXPECT_EQ(g_LButton, 1);
}

// P pauses and F2 shows the key card, once per press (a held key's repeats
// do not toggle back); while either is up, presses are not taken, releases
// and Escape are.
TEST(Input, PauseKeysToggleAndAPausedGameTakesNoPress) {
    ResetInput();
    ResetQuit();
    for (int vk : {kVkPause, kVkKeyCard}) {
        InputKey(vk, true);
        InputKey(vk, true);  // a repeat
        EXPECT_TRUE(PausedByPlayer());
        EXPECT_EQ(KeyCardShown(), vk == kVkKeyCard);
        InputKey(vk, false);
        InputButton(1, true, 100);
        InputKey(VK_SPACE, true);
        SnapshotKeys();
        EXPECT_FALSE(KeyDown(VK_LBUTTON));
        EXPECT_FALSE(KeyDown(VK_SPACE));
        EXPECT_EQ(g_LButton, 0);
        InputKey(vk, true);
        InputKey(vk, false);
        EXPECT_FALSE(PausedByPlayer());
    }
    InputKey(kVkPause, true);
    InputKey(VK_ESCAPE, true);
    EXPECT_TRUE(QuitPosted());
    ResetQuit();
    ResetInput();
    EXPECT_FALSE(PausedByPlayer());
}

TEST(Input, EscapePostsACloseOtherKeysAreOnlyHeld) {
    ResetQuit();
    ResetInput();
    InputKey(VK_SPACE, true);
    EXPECT_FALSE(QuitPosted());
    SnapshotKeys();
    EXPECT_TRUE(KeyDown(VK_SPACE));
    InputKey(VK_ESCAPE, true);
    EXPECT_TRUE(QuitPosted());
    EXPECT_EQ(ExitStatus(), 0);
    ResetQuit();
    InputReleaseAll();
    SnapshotKeys();
    EXPECT_FALSE(KeyDown(VK_SPACE));
}

TEST(Input, MousePositionIsSixteenBitUnsigned) {
    InputMouseMove(-1, 70000);
    EXPECT_EQ(g_MouseX, 65535);
    EXPECT_EQ(g_MouseY, 70000 & 0xFFFF);
}

// A finger: a tap is a click, a still press of half a second the right
// button until lifted, a sliding finger holds the left button; a tap takes
// the pause card or the key card away; a second finger is ignored. Every
// press says it came from a finger, and a recording writes that down.
TEST(Touch, FingersBecomeTheMouseButtons) {
    struct Seen {
        bool left, right;
        int click;
    };
    struct Case {
        const char* what;
        void (*play)();
        Seen during, after;  // snapshots right after the steps, and after a lift
    } cases[] = {
        {"a tap", [] { TouchDown(1, 100, 100, 0); TouchUp(1, 102, 101); }, {true, false, 1}, {false, false, 0}},
        {"a long press",
         [] {
             TouchDown(1, 100, 100, 0);
             StepTouch(kLongPressMs - 1);
             SnapshotKeys();
             EXPECT_FALSE(KeyDown(VK_RBUTTON)) << "too soon";
             TouchMove(1, 100 + kTouchSlop, 100);  // a finger wanders a little
             StepTouch(kLongPressMs);
         },
         {false, true, 0}, {false, false, 0}},
        {"a slide", [] { TouchDown(1, 100, 100, 0); TouchMove(1, 100, 101 + kTouchSlop); }, {true, false, 1}, {false, false, 0}},
        {"a second finger",
         [] { TouchDown(1, 100, 100, 0); TouchDown(2, 300, 300, 0); TouchUp(2, 300, 300); StepTouch(100); },
         {false, false, 0}, {true, false, 1}},
    };
    std::string dir = MakeTempDir("touch");
    for (const Case& c : cases) {
        ResetInput();
        ResetTouch();
        ASSERT_TRUE(StartRecording(dir + "/touch.txt", 0, 0, "ja"));
        c.play();
        SnapshotKeys();
        EXPECT_EQ(KeyDown(VK_LBUTTON), c.during.left) << c.what;
        EXPECT_EQ(KeyDown(VK_RBUTTON), c.during.right) << c.what;
        EXPECT_EQ(g_LButton, c.during.click) << c.what;
        TouchUp(1, 100, 100);  // the first finger lifts
        SnapshotKeys();
        EXPECT_EQ(KeyDown(VK_LBUTTON), c.after.left) << c.what;
        EXPECT_EQ(KeyDown(VK_RBUTTON), c.after.right) << c.what;
        EXPECT_EQ(g_LButton, c.after.click) << c.what;
        SnapshotKeys();
        EXPECT_FALSE(KeyDown(VK_LBUTTON) || KeyDown(VK_RBUTTON)) << c.what << ": nothing stays held";
        EXPECT_EQ(g_Finger, 1) << c.what;
        StopRecording();
        const std::string rec = ReadTextFile(dir + "/touch.txt");
        EXPECT_NE(rec.find(" finger on\n"), std::string::npos) << c.what << "\n" << rec;
    }
    // The pause card and the key card go at a tap, which presses nothing.
    for (int vk : {kVkPause, kVkKeyCard}) {
        ResetInput();
        InputKey(vk, true);
        InputKey(vk, false);
        ASSERT_TRUE(PausedByPlayer());
        TouchDown(1, 100, 100, 0);
        TouchUp(1, 100, 100);
        EXPECT_FALSE(PausedByPlayer()) << vk;
        SnapshotKeys();
        EXPECT_FALSE(KeyDown(VK_LBUTTON)) << vk;
    }
    ResetInput();
    EXPECT_EQ(g_Finger, 0);
}

TEST(Script, ParsesEveryEventAndExpandsClicks) {
    std::vector<ScriptEvent> ev;
    std::string err;
    ASSERT_TRUE(ParseScript("# opening\n"
                            "0 move 10 20\n"
                            "100 click 30 40   # start\n"
                            "120 keydown space\n"
                            "130 keyup Q\n"
                            "200 press right\n"
                            "210 release right\n"
                            "300 shot a.png\n"
                            "400 quit\n"
                            "500 finger on\n"
                            "510 finger off\n",
                            "s.txt", ev, err))
        << err;
    ASSERT_EQ(ev.size(), 12u);
    EXPECT_EQ(ev[1].kind, ScriptKind::Move);
    EXPECT_EQ(ev[2].kind, ScriptKind::Press);
    EXPECT_EQ(ev[3].kind, ScriptKind::KeyDown);
    EXPECT_EQ(ev[3].vk, VK_SPACE);
    EXPECT_EQ(ev[4].vk, 'Q');
    // The click's release at 150 sorts between the key events and the press.
    EXPECT_EQ(ev[5].kind, ScriptKind::Release);
    EXPECT_EQ(ev[5].time, 150u);
    EXPECT_EQ(ev[6].button, 2);
    EXPECT_EQ(ev[8].path, "a.png");
    EXPECT_EQ(ev[9].kind, ScriptKind::Quit);
    EXPECT_EQ(ev[10].kind, ScriptKind::Finger);
    EXPECT_EQ(ev[10].button, 1);
    EXPECT_EQ(ev[11].button, 0);
}

TEST(Script, MalformedLinesNameFileLineAndProblem) {
    struct Case {
        const char* text;
        const char* error;
    } cases[] = {
        {"0 move 1 2\nabc move 1 2\n", "s.txt:2: bad time 'abc'"},
        {"100 quit\n50 quit\n", "s.txt:2: time 50 is earlier than the line before"},
        {"0 move 640 2\n", "s.txt:1: position must be within 0..639, 0..479"},
        {"0 press middle\n", "s.txt:1: press takes left or right"},
        {"0 keydown home\n", "s.txt:1: unknown key 'home' (escape, space, enter, f1..f12, arrows, a-z, 0-9 ...)"},
        {"0 jump\n", "s.txt:1: unknown event 'jump'"},
        {"0 shot a.bmp\n", "s.txt:1: shot file must end in .png"},
        {"7\n", "s.txt:1: missing event after the time"},
        {"0 click 1\n", "s.txt:1: click takes X Y"},
        {"0 finger up\n", "s.txt:1: finger takes on or off"},
    };
    for (const Case& c : cases) {
        std::vector<ScriptEvent> ev;
        std::string err;
        EXPECT_FALSE(ParseScript(c.text, "s.txt", ev, err)) << c.text;
        EXPECT_EQ(err, c.error);
        EXPECT_TRUE(ev.empty());
    }
}

TEST(Script, WaitRestartsTheClockAndIncludedLinesPlayFromTheirIncludeTime) {
    std::string dir = MakeTempDir("script");
    {
        std::ofstream inner(dir + "/stage.txt");
        inner << "# a stage's own solution\n10 click 5 6\n40 keydown enter\n";
    }
    std::vector<ScriptEvent> ev;
    std::string err;
    ASSERT_TRUE(ParseScript("500 keydown space\n"
                            "600 wait 43\n"
                            "0 keyup space\n"
                            "20 include stage.txt\n"
                            "50 move 1 1\n",
                            dir + "/story.txt", ev, err))
        << err;
    ASSERT_EQ(ev.size(), 8u);
    EXPECT_EQ(ev[0].kind, ScriptKind::KeyDown);
    EXPECT_EQ(ev[1].kind, ScriptKind::Wait);
    EXPECT_EQ(ev[1].scene, 43);
    EXPECT_EQ(ev[1].time, 600u);
    // After the wait, times count from the awaited tick, sorted within it.
    EXPECT_EQ(ev[2].kind, ScriptKind::KeyUp);
    EXPECT_EQ(ev[2].time, 0u);
    EXPECT_EQ(ev[3].time, 30u);  // the included click at 20 + 10
    EXPECT_EQ(ev[3].x, 5);
    EXPECT_EQ(ev[5].kind, ScriptKind::Move);  // the outer move at 50 sorts before ...
    EXPECT_EQ(ev[6].kind, ScriptKind::KeyDown);  // ... the included key at 60
    EXPECT_EQ(ev[6].time, 60u);
    EXPECT_EQ(ev[7].kind, ScriptKind::Release);  // the click's release at 80
}

TEST(Script, IncludesAndWaitsThatCannotWorkAreRejected) {
    std::string dir = MakeTempDir("script");
    {
        std::ofstream(dir + "/waits.txt") << "0 wait 11\n";
        std::ofstream(dir + "/bad.txt") << "0 move 1 1\n5 jump\n";
    }
    struct Case {
        const char* text;
        std::string error;
    } cases[] = {
        {"0 include missing.txt\n", "s.txt:1: cannot read the included script 'missing.txt': no such file"},
        {"0 include waits.txt\n", dir + "/waits.txt:1: an included script cannot wait"},
        {"0 include bad.txt\n", dir + "/bad.txt:2: unknown event 'jump'"},
        {"0 wait 256\n", "s.txt:1: wait takes a scene number 0..255"},
        {"0 wait\n", "s.txt:1: wait takes a scene number 0..255"},
        {"100 wait 7\n50 quit\n", ""},  // a wait restarts the count: 50 is fine
        {"100 quit\n50 wait 7\n", "s.txt:2: time 50 is earlier than the line before"},
    };
    for (const Case& c : cases) {
        std::vector<ScriptEvent> ev;
        std::string err;
        bool ok = ParseScript(c.text, dir + "/s.txt", ev, err);
        EXPECT_EQ(ok, c.error.empty()) << c.text;
        EXPECT_EQ(err, c.error.empty() ? "" : (c.error[0] == 's' ? dir + "/" + c.error : c.error)) << c.text;
    }
}

TEST(Options, BadCommandLinesEndWithStatusTwo) {
    auto parse = [](std::vector<const char*> words) {
        words.insert(words.begin(), "tolvane");
        AppOptions o;
        testing::internal::CaptureStderr();
        int r = ParseOptions(int(words.size()), const_cast<char**>(words.data()), o);
        testing::internal::GetCapturedStderr();
        return r;
    };
    EXPECT_EQ(parse({"--headless", "--scene", "11", "--max-ms", "5000"}), 0);
    EXPECT_EQ(parse({"--scene", "256"}), 2);
    EXPECT_EQ(parse({"--scene", "65"}), 2);  // no such scene
    // A frame scene alone would run on what its start never set up.
    for (int frame : {1, 3, 4, 12, 44, 64}) EXPECT_EQ(parse({"--scene", std::to_string(frame).c_str()}), 2) << frame;
    for (int start : {0, 2, 11, 43, 63}) EXPECT_EQ(parse({"--scene", std::to_string(start).c_str()}), 0) << start;
    EXPECT_EQ(parse({"--scene", "x"}), 2);
    EXPECT_EQ(parse({"--max-ms"}), 2);
    EXPECT_EQ(parse({"--bogus"}), 2);
    EXPECT_EQ(parse({"--script", "s.txt"}), 2);  // scripts drive headless runs only
    EXPECT_EQ(parse({"--render"}), 2);            // so does drawing every headless frame
    EXPECT_EQ(parse({"--headless", "--render"}), 0);
}
