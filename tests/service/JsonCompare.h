#pragma once

#include <nlohmann/json.hpp>

#include <QTest>

#include <string>

// QCOMPARE cannot take nlohmann::json operands (its overload set trips over json's conversions);
// this compares with == and reports both sides as JSON text.
#define JCOMPARE(actual, expected)                                                                           \
    QVERIFY2((actual) == (expected),                                                                         \
             (std::string(#actual) + " is " +                                                                \
              nlohmann::json(actual).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) +        \
              ", expected " +                                                                                \
              nlohmann::json(expected).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace))       \
                 .c_str())
