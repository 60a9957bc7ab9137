// When the idle inhibitor asks, what it gives back and what it forgets, for the orders of events a
// session bus can bring: the service there at start, appearing late, restarted, replaced while a
// question is on its way, appearing while the window is minimised; GNOME's route likewise.
#include "app/idle_hold_course.h"

#include <gtest/gtest.h>

#include <string>

namespace pelora {
namespace {

using Steps = IdleHoldCourse::Steps;
using Held = IdleHoldCourse::Held;
using Granted = IdleHoldCourse::Granted;

constexpr std::size_t freedesktop = 0;
constexpr std::size_t freedesktopShortPath = 1;
constexpr std::size_t gnome = 2;
const std::string freedesktopName = "org.freedesktop.ScreenSaver";
const std::string gnomeName = "org.gnome.SessionManager";

Steps ask(std::size_t route) {
    return Steps{std::nullopt, route};
}
Steps giveBack(const Held& held) {
    return Steps{held, std::nullopt};
}
const Steps nothing{};

// Every way fails: the session has no service.
void failEveryWay(IdleHoldCourse& course) {
    EXPECT_EQ(course.answered(freedesktop, std::nullopt), ask(freedesktopShortPath));
    EXPECT_EQ(course.answered(freedesktopShortPath, std::nullopt), ask(gnome));
    EXPECT_EQ(course.answered(gnome, std::nullopt), nothing);
    EXPECT_FALSE(course.asking());
}

TEST(IdleHoldCourse, AServicePresentAtStartIsHeldAndGivenBackOnRelease) {
    IdleHoldCourse course;
    EXPECT_EQ(course.hold(), ask(freedesktop));
    EXPECT_EQ(course.hold(), nothing) << "a second hold asks again";
    EXPECT_EQ(course.answered(freedesktop, Granted{7, ":1.5"}), nothing);
    EXPECT_EQ(course.held(), (Held{freedesktop, 7, ":1.5"}));
    EXPECT_EQ(course.release(), giveBack(Held{freedesktop, 7, ":1.5"}));
    EXPECT_EQ(course.release(), nothing);
    EXPECT_FALSE(course.held());
}

TEST(IdleHoldCourse, NoServiceEverAsksOnceEveryWayAndThenNothing) {
    IdleHoldCourse course;
    EXPECT_EQ(course.hold(), ask(freedesktop));
    failEveryWay(course);
    EXPECT_FALSE(course.held());
}

// A service that takes its name after every way failed is asked at once, on its first way; so is
// GNOME's (its first way fails, and the chain reaches it).
TEST(IdleHoldCourse, AServiceThatAppearsLateIsAskedAtOnce) {
    for (const auto& [name, route] :
         {std::pair{freedesktopName, freedesktop}, std::pair{gnomeName, gnome}}) {
        SCOPED_TRACE(name);
        IdleHoldCourse course;
        course.hold();
        failEveryWay(course);
        EXPECT_EQ(course.ownerChanged(name, ":1.9"), ask(freedesktop));
        if (route == gnome) {
            EXPECT_EQ(course.answered(freedesktop, std::nullopt), ask(freedesktopShortPath));
            EXPECT_EQ(course.answered(freedesktopShortPath, std::nullopt), ask(gnome));
        }
        EXPECT_EQ(course.answered(route, Granted{3, ":1.9"}), nothing);
        EXPECT_EQ(course.held(), (Held{route, 3, ":1.9"}));
    }
}

TEST(IdleHoldCourse, TheHolderGoneOrReplacedIsForgottenAndTheServiceThereNowAsked) {
    IdleHoldCourse course;
    course.hold();
    course.answered(freedesktop, Granted{7, ":1.5"});
    // Its own name seen again, and the other service's name, change nothing.
    EXPECT_EQ(course.ownerChanged(freedesktopName, ":1.5"), nothing);
    EXPECT_EQ(course.ownerChanged(gnomeName, ":1.6"), nothing);
    EXPECT_EQ(course.held(), (Held{freedesktop, 7, ":1.5"}));

    // Killed: nothing is given back (its cookie died with it), every way is tried.
    EXPECT_EQ(course.ownerChanged(freedesktopName, ""), ask(freedesktop));
    EXPECT_FALSE(course.held());
    EXPECT_EQ(course.answered(freedesktop, std::nullopt), ask(freedesktopShortPath));
    EXPECT_EQ(course.answered(freedesktopShortPath, std::nullopt), ask(gnome));
    EXPECT_EQ(course.answered(gnome, Granted{40, ":1.6"}), nothing);
    EXPECT_EQ(course.held(), (Held{gnome, 40, ":1.6"}));

    // Replaced by a new owner at once.
    EXPECT_EQ(course.ownerChanged(gnomeName, ":1.8"), ask(freedesktop));
    EXPECT_FALSE(course.held());
}

// The question to GNOME's manager fails just as the freedesktop name appears: the chain starts
// again once it has run out, and ends in a hold.
TEST(IdleHoldCourse, ANameThatAppearsWhileAskingIsAskedOnceTheQuestionFailed) {
    for (const std::size_t inFlight : {freedesktop, freedesktopShortPath, gnome}) {
        SCOPED_TRACE(inFlight);
        IdleHoldCourse course;
        course.hold();
        for (std::size_t route = freedesktop; route < inFlight; ++route) {
            course.answered(route, std::nullopt);
        }
        EXPECT_EQ(course.ownerChanged(freedesktopName, ":1.9"), nothing) << "two questions at once";
        for (std::size_t route = inFlight; route < gnome; ++route) {
            EXPECT_EQ(course.answered(route, std::nullopt), ask(route + 1));
        }
        EXPECT_EQ(course.answered(gnome, std::nullopt), ask(freedesktop));
        EXPECT_EQ(course.answered(freedesktop, Granted{5, ":1.9"}), nothing);
        EXPECT_EQ(course.held(), (Held{freedesktop, 5, ":1.9"}));
    }
}

TEST(IdleHoldCourse, ANameThatGoesWhileAskingAsksNothingMore) {
    IdleHoldCourse course;
    course.hold();
    EXPECT_EQ(course.ownerChanged(gnomeName, ""), nothing);
    failEveryWay(course);
}

// The answer comes from an owner that lost the name while it was on its way: that cookie is
// forgotten and the new owner asked. An answer from the owner seen last is kept.
TEST(IdleHoldCourse, AGrantFromAnOwnerReplacedMeanwhileIsForgotten) {
    IdleHoldCourse course;
    course.hold();
    course.ownerChanged(freedesktopName, "");
    course.ownerChanged(freedesktopName, ":1.12");
    EXPECT_EQ(course.answered(freedesktop, Granted{7, ":1.5"}), ask(freedesktop));
    EXPECT_FALSE(course.held());
    EXPECT_EQ(course.answered(freedesktop, Granted{1, ":1.12"}), nothing);
    EXPECT_EQ(course.held(), (Held{freedesktop, 1, ":1.12"}));

    IdleHoldCourse same;
    same.hold();
    same.ownerChanged(freedesktopName, ":1.5");
    EXPECT_EQ(same.answered(freedesktop, Granted{7, ":1.5"}), nothing);
    EXPECT_EQ(same.held(), (Held{freedesktop, 7, ":1.5"}));
}

TEST(IdleHoldCourse, AServiceThatAppearsWhileMinimisedIsAskedOnlyAtRestore) {
    IdleHoldCourse course;
    course.hold();
    failEveryWay(course);
    course.release();
    EXPECT_EQ(course.ownerChanged(freedesktopName, ":1.9"), nothing);
    EXPECT_EQ(course.ownerChanged(gnomeName, ":1.10"), nothing);
    EXPECT_EQ(course.hold(), ask(freedesktop));
    EXPECT_EQ(course.answered(freedesktop, Granted{2, ":1.9"}), nothing);
    EXPECT_EQ(course.held(), (Held{freedesktop, 2, ":1.9"}));
}

// Minimised while the question is on its way: a grant is given back at once, a failure ends the
// chain, and a name that appeared meanwhile is not asked.
TEST(IdleHoldCourse, AnAnswerAfterTheReleaseIsGivenBackAndAsksNothingMore) {
    IdleHoldCourse granted;
    granted.hold();
    granted.release();
    EXPECT_EQ(granted.answered(freedesktop, Granted{7, ":1.5"}),
              giveBack(Held{freedesktop, 7, ":1.5"}));
    EXPECT_FALSE(granted.held());

    IdleHoldCourse failed;
    failed.hold();
    failed.ownerChanged(gnomeName, ":1.10");
    failed.release();
    EXPECT_EQ(failed.answered(freedesktop, std::nullopt), nothing);
    EXPECT_FALSE(failed.asking());
    EXPECT_EQ(failed.hold(), ask(freedesktop));
}

// Restored before the answer to the question asked before the minimise: that answer is the hold,
// with no second question.
TEST(IdleHoldCourse, RestoredBeforeTheAnswerKeepsIt) {
    IdleHoldCourse course;
    course.hold();
    course.release();
    EXPECT_EQ(course.hold(), nothing);
    EXPECT_EQ(course.answered(freedesktop, Granted{7, ":1.5"}), nothing);
    EXPECT_EQ(course.held(), (Held{freedesktop, 7, ":1.5"}));
}

}  // namespace
}  // namespace pelora
