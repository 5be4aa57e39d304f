// What the stage scripts share.
//
// The goal shared by the stages where the two walkers meet at a place: the
// first one home waits facing the way the other comes; when the other stands
// right beside it, the waiting one turns and the newcomer stops; both home
// clears the stage.
#include "stage/stage_state.h"
#include "stage/effects.h"
#include "stages/stage_scripts.h"

void MeetAtGoal(bool heroHome, bool partnerHome, bool heroOnRight, bool partnerMayTurn, bool sameRow) {
    const int wait = heroOnRight ? 1 : 0;
    const bool beside = (heroOnRight ? g_Partner.x + 32 == g_Hero.x : g_Hero.x + 32 == g_Partner.x) &&
                        (!sameRow || g_Hero.y == g_Partner.y);
    if (heroHome && g_PartnerArrived == 0) {
        g_Hero.halted = 1;
        g_Hero.facing = wait;
        g_HeroArrived = 1;
    }
    if (partnerHome && g_HeroArrived == 0) {
        g_Partner.halted = 1;
        g_Partner.facing = wait;
        g_PartnerArrived = 1;
    }
    if (beside && g_HeroArrived == 1 && g_Hero.facing == wait) {
        g_Hero.facing = 1 - wait;
        g_Partner.halted = 1;
    }
    if (beside && partnerMayTurn && g_PartnerArrived == 1 && g_Partner.facing == wait) {
        g_Partner.facing = 1 - wait;
        g_Hero.halted = 1;
    }
    if (heroHome && partnerHome) {
        g_TimerPaused = 1;
        g_StageCleared = 1;
    }
}

void RingWindow(int& gate, bool inside, float x, float y, int bursts) {
    if (!inside) {
        gate = 0;
        return;
    }
    if (gate == 1)
        for (int i = 0; i < bursts; ++i) UpdateRingBursts(x, y, 1);
    gate += 1;
}

Actor HeroActor() { return {g_Hero, g_HeroPaint, g_HeroPose}; }
Actor PartnerActor() { return {g_Partner, g_PartnerPaint, g_PartnerPose}; }
