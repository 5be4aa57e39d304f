// A gamepad, played through SDL's virtual joystick: the stick and the d-pad
// move the pointer faster the longer they are held and never out of the
// picture; the buttons arrive as the mouse buttons and keys they stand for,
// and are recorded as such; pads come and go.
#include <gtest/gtest.h>
#include <SDL2/SDL.h>

#include <cstdlib>

#include "app/gamepad.h"
#include "app/input.h"
#include "app/pause.h"
#include "app/record.h"
#include "base/platform.h"
#include "game_run.h"

namespace {

class Gamepad : public testing::Test {
protected:
    void SetUp() override {
        if (SDL_Init(SDL_INIT_EVENTS) != 0 || !OpenGamepads()) GTEST_SKIP() << "no game-controller system";
        SDL_VirtualJoystickDesc d{};
        d.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        d.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        d.naxes = SDL_CONTROLLER_AXIS_MAX;
        d.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
        index_ = SDL_JoystickAttachVirtualEx(&d);
        ASSERT_GE(index_, 0) << SDL_GetError();
        pad_ = SDL_JoystickOpen(index_);
        ASSERT_NE(pad_, nullptr);
        Pump();
        ResetInput();
        InputMouseMove(320, 240);
    }
    void TearDown() override {
        if (pad_) SDL_JoystickClose(pad_);
        CloseGamepads();
        SDL_Quit();
        ResetInput();
    }
    static void Pump() {
        SDL_GameControllerUpdate();
        SDL_Event e;
        while (SDL_PollEvent(&e)) HandleGamepadEvent(e);
    }
    void Button(SDL_GameControllerButton b, bool down) {
        SDL_JoystickSetVirtualButton(pad_, b, down ? 1 : 0);
        Pump();
    }
    void Axis(SDL_GameControllerAxis a, int v) {
        SDL_JoystickSetVirtualAxis(pad_, a, Sint16(v));
        Pump();
    }
    int index_ = -1;
    SDL_Joystick* pad_ = nullptr;
};

}  // namespace

TEST_F(Gamepad, StickAndPadMoveThePointerFasterTheLongerHeldInsideThePicture) {
    ASSERT_EQ(OpenGamepadCount(), 1);
    struct Case {
        SDL_GameControllerAxis axis;  // or the d-pad button when axis is invalid
        int value;
        SDL_GameControllerButton dpad;
        int* coord;
        int edge;
    } cases[] = {
        {SDL_CONTROLLER_AXIS_LEFTX, 32767, SDL_CONTROLLER_BUTTON_INVALID, &g_MouseX, 639},
        {SDL_CONTROLLER_AXIS_LEFTY, -32768, SDL_CONTROLLER_BUTTON_INVALID, &g_MouseY, 0},
        {SDL_CONTROLLER_AXIS_INVALID, 0, SDL_CONTROLLER_BUTTON_DPAD_LEFT, &g_MouseX, 0},
        {SDL_CONTROLLER_AXIS_INVALID, 0, SDL_CONTROLLER_BUTTON_DPAD_DOWN, &g_MouseY, 479},
    };
    for (const Case& c : cases) {
        InputMouseMove(320, 240);
        if (c.axis != SDL_CONTROLLER_AXIS_INVALID) Axis(c.axis, c.value);
        if (c.dpad != SDL_CONTROLLER_BUTTON_INVALID) Button(c.dpad, true);
        int before = *c.coord, firstStep = 0, lastStep = 0;
        for (int frame = 0; frame < 200; ++frame) {
            StepGamepadPointer();
            int step = std::abs(*c.coord - before);
            before = *c.coord;
            if (frame == 0) firstStep = step;
            if (frame == 30) lastStep = step;
        }
        EXPECT_GT(firstStep, 0);
        EXPECT_GT(lastStep, 3 * firstStep);  // it gathers speed
        EXPECT_EQ(*c.coord, c.edge);           // and stops at the picture's edge
        if (c.axis != SDL_CONTROLLER_AXIS_INVALID) Axis(c.axis, 0);
        if (c.dpad != SDL_CONTROLLER_BUTTON_INVALID) Button(c.dpad, false);
        // A stick at rest (within the dead zone) leaves the pointer alone.
        Axis(SDL_CONTROLLER_AXIS_LEFTX, 3000);
        const int x = g_MouseX, y = g_MouseY;
        StepGamepadPointer();
        EXPECT_EQ(g_MouseX, x);
        EXPECT_EQ(g_MouseY, y);
        Axis(SDL_CONTROLLER_AXIS_LEFTX, 0);
    }
}

TEST_F(Gamepad, ButtonsAreTheMouseButtonsAndKeysAndAreRecorded) {
    std::string dir = MakeTempDir("pad");
    ASSERT_TRUE(StartRecording(dir + "/pad.txt", 0, 0, "ja"));
    struct Case {
        SDL_GameControllerButton button;
        int vk;
    } cases[] = {
        {SDL_CONTROLLER_BUTTON_A, VK_LBUTTON},
        {SDL_CONTROLLER_BUTTON_B, VK_RBUTTON},
        {SDL_CONTROLLER_BUTTON_X, VK_SPACE},
        {SDL_CONTROLLER_BUTTON_BACK, VK_F1},
    };
    for (const Case& c : cases) {
        Button(c.button, true);
        SnapshotKeys();
        EXPECT_TRUE(KeyDown(c.vk)) << c.vk;
        Button(c.button, false);
        SnapshotKeys();
        EXPECT_FALSE(KeyDown(c.vk)) << c.vk;
    }
    Button(SDL_CONTROLLER_BUTTON_START, true);
    Button(SDL_CONTROLLER_BUTTON_START, false);
    EXPECT_TRUE(PausedByPlayer());
    Button(SDL_CONTROLLER_BUTTON_START, true);
    Button(SDL_CONTROLLER_BUTTON_START, false);
    EXPECT_FALSE(PausedByPlayer());
    StopRecording();
    const std::string rec = ReadTextFile(dir + "/pad.txt");
    for (const char* line : {"press left", "release right", "keydown space", "keyup f1", "keydown p"})
        EXPECT_NE(rec.find(line), std::string::npos) << line << "\n" << rec;
}

TEST_F(Gamepad, PadsPluggedInAndOutWhileTheGameRuns) {
    ASSERT_EQ(OpenGamepadCount(), 1);
    SDL_JoystickClose(pad_);
    pad_ = nullptr;
    ASSERT_EQ(SDL_JoystickDetachVirtual(index_), 0);
    Pump();
    EXPECT_EQ(OpenGamepadCount(), 0);
    SDL_VirtualJoystickDesc d{};
    d.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    d.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    d.naxes = SDL_CONTROLLER_AXIS_MAX;
    d.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
    ASSERT_GE(SDL_JoystickAttachVirtualEx(&d), 0);
    Pump();
    EXPECT_EQ(OpenGamepadCount(), 1);
}
