#include "SignInGuard.h"

#include "ApiError.h"
#include "TextRules.h"

namespace SignInGuard {

namespace {

constexpr std::int64_t kSecondMs = 1000;
constexpr std::int64_t kMinuteMs = 60 * kSecondMs;
constexpr std::int64_t kHourMs = 60 * kMinuteMs;
// Failures older than this are forgotten.
constexpr std::int64_t kFailureMemoryMs = kHourMs;

struct Failures {
    std::int64_t count = 0;
    std::int64_t lastMs = 0;
};

Failures failures(Connection &db, const std::string &subject, std::int64_t nowMs) {
    Statement statement = db.prepare("SELECT failures, last_ms FROM sign_in_failures WHERE subject = ?");
    statement.bind(1, subject);
    Failures found;
    if (statement.step()) {
        found.count = statement.integer(0);
        found.lastMs = statement.integer(1);
    }
    if (found.lastMs + kFailureMemoryMs <= nowMs)
        found = Failures{};
    return found;
}

void storeFailures(Connection &db, const std::string &subject, const Failures &stored, std::int64_t nowMs) {
    db.prepare("DELETE FROM sign_in_failures WHERE last_ms < ?").bind(1, nowMs - 24 * kHourMs).run();
    db.prepare(
          "INSERT INTO sign_in_failures(subject, failures, last_ms) VALUES(?, ?, ?) ON CONFLICT(subject) "
          "DO UPDATE SET failures = excluded.failures, last_ms = excluded.last_ms")
        .bind(1, subject)
        .bind(2, stored.count)
        .bind(3, stored.lastMs)
        .run();
}

void forget(Connection &db, const std::string &subject) {
    db.prepare("DELETE FROM sign_in_failures WHERE subject = ?").bind(1, subject).run();
}

// Whole units still to wait, at least one.
std::string remaining(std::int64_t untilMs, std::int64_t nowMs, std::int64_t unitMs) {
    const std::int64_t units = (untilMs - nowMs + unitMs - 1) / unitMs;
    return TextRules::persianDigits(units < 1 ? 1 : units);
}

std::string codeSubject(const std::string &mobile) {
    return "code:" + mobile;
}

std::string passwordSubject(const std::string &username) {
    return "password:" + username;
}

} // namespace

void checkCodeLock(Connection &db, const std::string &mobile, std::int64_t nowMs) {
    const Failures wrong = failures(db, codeSubject(mobile), nowMs);
    if (wrong.count >= kWrongCodesPerNumber)
        throw ApiError::refused(
            "به دلیل ورود کدهای نادرست پی‌درپی، ورود با این شماره تا " +
            remaining(wrong.lastMs + kCodeLockMinutes * kMinuteMs, nowMs, kMinuteMs) +
            " دقیقه دیگر ممکن نیست");
}

void codeRequested(Connection &db, const std::string &mobile, const CodePacing &pacing, std::int64_t nowMs) {
    checkCodeLock(db, mobile, nowMs);
    db.prepare("DELETE FROM code_requests WHERE sent_ms <= ?").bind(1, nowMs - kHourMs).run();
    Statement sent =
        db.prepare("SELECT COUNT(*), MIN(sent_ms), MAX(sent_ms) FROM code_requests WHERE mobile = ?");
    sent.bind(1, mobile);
    sent.step();
    const std::int64_t count = sent.integer(0);
    if (count > 0 && pacing.intervalSeconds > 0 &&
        nowMs < sent.integer(2) + pacing.intervalSeconds * kSecondMs)
        throw ApiError::refused(
            "برای دریافت کد جدید لطفا " +
            remaining(sent.integer(2) + pacing.intervalSeconds * kSecondMs, nowMs, kSecondMs) +
            " ثانیه دیگر تلاش کنید");
    if (pacing.perHour > 0 && count >= pacing.perHour)
        throw ApiError::refused("تعداد درخواست کد برای این شماره بیش از حد مجاز است؛ لطفا " +
                                remaining(sent.integer(1) + kHourMs, nowMs, kMinuteMs) +
                                " دقیقه دیگر تلاش کنید");
    db.prepare("INSERT INTO code_requests(mobile, sent_ms) VALUES(?, ?)")
        .bind(1, mobile)
        .bind(2, nowMs)
        .run();
}

void wrongCode(Connection &db, const std::string &mobile, std::int64_t nowMs) {
    Failures wrong = failures(db, codeSubject(mobile), nowMs);
    ++wrong.count;
    wrong.lastMs = nowMs;
    storeFailures(db, codeSubject(mobile), wrong, nowMs);
}

void codeAccepted(Connection &db, const std::string &mobile) {
    forget(db, codeSubject(mobile));
}

void passwordAttempt(Connection &db, const std::string &username, std::int64_t nowMs) {
    const std::string subject = passwordSubject(username);
    Failures failed = failures(db, subject, nowMs);
    if (failed.count >= kPasswordFailuresBeforeLock) {
        const std::int64_t lockedUntil = failed.lastMs + kPasswordLockMinutes * kMinuteMs;
        if (nowMs < lockedUntil)
            throw ApiError::refused(
                "به دلیل رمزهای نادرست پی‌درپی، ورود با این نام کاربری تا " +
                remaining(lockedUntil, nowMs, kMinuteMs) + " دقیقه دیگر ممکن نیست");
        failed = Failures{};
    }
    if (failed.count >= kFreePasswordFailures && nowMs < failed.lastMs + kPasswordPauseSeconds * kSecondMs)
        throw ApiError::refused(
            "به دلیل رمزهای نادرست پی‌درپی، لطفا " +
            remaining(failed.lastMs + kPasswordPauseSeconds * kSecondMs, nowMs, kSecondMs) +
            " ثانیه دیگر دوباره تلاش کنید");
    ++failed.count;
    failed.lastMs = nowMs;
    storeFailures(db, subject, failed, nowMs);
}

void passwordAccepted(Connection &db, const std::string &username) {
    forget(db, passwordSubject(username));
}

} // namespace SignInGuard
