#pragma once
// Test classes register themselves here so that one executable per folder can
// hold the tests of many files; CTest runs each class on its own by name.
#include <QObject>
#include <functional>
#include <vector>

struct RegisteredTest {
    const char* name;
    std::function<QObject*()> make;
};

std::vector<RegisteredTest>& testRegistry();

#define ORVEL_TEST(Class)                           \
    static const bool orvelTestRegistered_##Class = \
        (testRegistry().push_back({#Class, [] { return static_cast<QObject*>(new Class); }}), true);
