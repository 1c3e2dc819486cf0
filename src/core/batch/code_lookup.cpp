#include "core/batch/code_lookup.h"

#include <algorithm>
#include <thread>

#include "base/cp1251.h"
#include "core/lookup/party_answer.h"
#include "core/lookup/party_mapping.h"
#include "core/lookup/service_transfer.h"

namespace kvilo::batch {

using namespace base::literals;

namespace {

constexpr long kHttpOk = 200;
constexpr long kTooManyRequests = 429;
constexpr long kUnauthorized = 401;
constexpr long kForbidden = 403;

// Waits `pause`, waking early when the user cancels; false when cancelled.
bool Pause(std::chrono::milliseconds pause, const std::atomic<bool>& cancel) {
    constexpr std::chrono::milliseconds kSlice{20};
    for (auto waited = std::chrono::milliseconds::zero(); waited < pause; waited += kSlice) {
        if (cancel.load()) return false;
        std::this_thread::sleep_for(std::min(kSlice, pause - waited));
    }
    return !cancel.load();
}

// Among the entries of an answer, the one with exactly this code: for an INN the head office, for a person
// with several registrations the active one; nullptr when none has the code.
const lookup::PartyRow* PickEntry(const lookup::PartyRows& rows, std::string_view code) {
    const lookup::PartyRow* best = nullptr;
    const std::string head = lookup::BranchTypeWord("MAIN");
    const std::string active = lookup::StatusWord("ACTIVE");
    auto rank = [&](const lookup::PartyRow& row) {
        return (row.QFBType.View() == head ? 2 : 0) + (row.QFStatus.View() == active ? 1 : 0);
    };
    for (const lookup::PartyRow& row : rows) {
        if (row.QFInn.View() != code && row.QFOgrn.View() != code) continue;
        if (best == nullptr || rank(row) > rank(*best)) best = &row;
    }
    return best;
}

CodeResult Result(CodeOutcome outcome, std::string reason) {
    CodeResult result;
    result.outcome = outcome;
    result.reason = std::move(reason);
    return result;
}

CodeResult Examine(const std::string& answer, std::string_view code) {
    lookup::PartyRows rows;
    if (lookup::MapAnswer(answer, rows) == lookup::kUnreadableAnswer)
        return Result(CodeOutcome::Failed, "ответ службы не прочитан"_ansi);
    const lookup::PartyRow* entry = PickEntry(rows, code);
    if (entry == nullptr) return Result(CodeOutcome::NotFound, "нет в реестре"_ansi);
    CodeResult result;
    result.outcome = CodeOutcome::Found;
    result.row = *entry;
    return result;
}

std::string StatusReason(long status) {
    return "служба ответила HTTP "_ansi + std::to_string(status);
}

} // namespace

std::string FindByIdBody(std::string_view code) {
    std::string body = "{\"query\":\"" + std::string(code) + "\"";
    if (code.size() == 10 || code.size() == 13) body += ",\"branch_type\":\"MAIN\"";
    return body + ",\"count\":20}";
}

CodeResult LookUpCode(const lookup::LookupServices& services, const std::string& code, const RetryPolicy& policy,
                      const std::atomic<bool>& cancel) {
    const std::string body = FindByIdBody(code);
    int transferFailures = 0;
    int rateLimited = 0;
    std::chrono::milliseconds transferPause = policy.transferPause;
    std::chrono::milliseconds ratePause = policy.rateLimitPause;
    while (!cancel.load()) {
        std::string answer;
        int retryAfter = -1;
        const lookup::TransferOutcome outcome = lookup::PostToFindById(services, body, answer, retryAfter);
        if (cancel.load()) break;
        const bool transferFailed = outcome.result != 0 || outcome.cutOff;
        if (!transferFailed && outcome.httpStatus == kHttpOk) return Examine(answer, code);
        if (!transferFailed && (outcome.httpStatus == kUnauthorized || outcome.httpStatus == kForbidden))
            return Result(CodeOutcome::Refused, StatusReason(outcome.httpStatus));
        if (!transferFailed && outcome.httpStatus == kTooManyRequests) {
            // The service limits requests a second: waiting is always the answer, however often it comes.
            if (++rateLimited >= policy.rateLimitTries)
                return Result(CodeOutcome::Failed, "служба ограничила число запросов (HTTP 429)"_ansi);
            const auto wait = retryAfter >= 0 ? std::chrono::milliseconds(std::min(retryAfter, 60) * 1000) : ratePause;
            ratePause = std::min(ratePause * 2, policy.rateLimitPauseMax);
            if (!Pause(wait, cancel)) break;
            continue;
        }
        // A server fault may pass as a failed transfer does; a client error will not.
        const bool transient = transferFailed || outcome.httpStatus >= 500;
        if (!transient || ++transferFailures > policy.transferRetries) {
            if (!transferFailed) return Result(CodeOutcome::Failed, StatusReason(outcome.httpStatus));
            return Result(CodeOutcome::Failed,
                          "сбой связи: "_ansi + (outcome.cutOff ? "ответ оборван"_ansi : outcome.errorText));
        }
        if (!Pause(transferPause, cancel)) break;
        transferPause *= 2;
    }
    return Result(CodeOutcome::Cancelled, "проверка прервана"_ansi);
}

} // namespace kvilo::batch
