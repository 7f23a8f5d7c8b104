#pragma once
// The program's entry: shows the splash picture, builds the four forms and
// runs the message loop; returns 0 whether start-up succeeded or not.
#include <chrono>
#include <functional>

constexpr std::chrono::milliseconds SplashDelay{1500};

// The splash wait: a blocking sleep that processes no message. Tests put a
// stand-in here so as not to sleep.
extern std::function<void(std::chrono::milliseconds)> SplashWait;

int StartApplication();
