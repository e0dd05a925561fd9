#include "app/core/report/ReportRenderer.h"

#include <algorithm>

#include "app/core/report/MailToLink.h"
#include "app/core/report/ReportSections.h"
#include "itemdb/FeeEntry.h"
#include "itemdb/FieldId.h"
#include "itemdb/LotkeeperStrings.h"
#include "platform/Cp1252.h"

namespace gb::app {

using gb::itemdb::CAucItem;
namespace field = gb::itemdb::field;
namespace fee_type = gb::itemdb::fee_type;

namespace {

constexpr std::int32_t kTokenFeeTypes =
    fee_type::Charge | fee_type::SellerFee | fee_type::DisplayOnly;

// A value put into the page: line breaks as HTML, and brackets as braces so
// that the value never reads as a token.
std::string EscapeValue(std::string_view value) {
    std::string escaped;
    escaped.reserve(value.size());
    for (std::size_t i = 0; i < value.size(); ++i) {
        const char c = value[i];
        if (c == '\r' && i + 1 < value.size() && value[i + 1] == '\n') {
            escaped += "<br>";
            ++i;
        } else if (c == '[') {
            escaped += '{';
        } else if (c == ']') {
            escaped += '}';
        } else {
            escaped += c;
        }
    }
    return escaped;
}

}  // namespace

ReportRenderer::ReportRenderer(const gb::itemdb::CFeeSchedule& fees,
                               const gb::itemdb::FolderNameLookup* folders)
    : fees_(fees), folders_(folders) {
    for (int id = field::First; id < field::Icon; ++id) {
        tokens_.emplace("[" + TokenName(gb::itemdb::LoadString(id)) + "]", TokenTarget{false, id});
    }
    for (bool more = fees_.MoveFirst(kTokenFeeTypes); more; more = fees_.MoveNext(kTokenFeeTypes)) {
        if (fees_.IsActive()) {
            feeEntries_.push_back(fees_.GetCurrent());
            // A field's token keeps its place when an entry is named like it.
            tokens_.emplace("[" + TokenName(fees_.GetName()) + "*]",
                            TokenTarget{true, fees_.GetCurrent()});
        }
    }
}

std::string ReportRenderer::TokenName(std::string_view name) {
    std::string token(name);
    std::replace_if(
        token.begin(), token.end(), [](char c) { return c == ' ' || c == '&'; }, '_');
    return token;
}

void ReportRenderer::BeginReport(const gb::itemdb::CTDocText& report) {
    feeTotals_.fill(gb::Money::FromUnits(0));
    sameBuyer_ = true;
    template_ = report;
    repeatInner_ = std::string(BodyInner(template_.GetRepeat()));
    totals_.Reset();
    body_.clear();
    first_.reset();
}

bool ReportRenderer::Carries(const CAucItem& item, int entry) const {
    return fees_.GetEntry(entry).GetType() == fee_type::DisplayOnly ||
           item.HasItemizedCharge(entry) || item.HasItemizedFee(entry);
}

gb::Money ReportRenderer::EntryAmount(int entry, std::string& text) {
    gb::Money amount;
    fees_.SetCurrent(entry);
    fees_.Calculate(text, &amount);
    return amount;
}

bool ReportRenderer::AppendItem(const CAucItem& item) {
    fees_.SetItem(item);
    for (const int entry : feeEntries_) {
        if (Carries(item, entry)) {
            std::string ignored;
            feeTotals_[entry] += EntryAmount(entry, ignored);
        }
    }
    totals_.AddItem(item);
    if (!first_) {
        first_ = item;
    } else if (gb::cp1252::ToUpper(item.GetBuyerId()) !=
               gb::cp1252::ToUpper(first_->GetBuyerId())) {
        sameBuyer_ = false;
    }
    std::string html = repeatInner_;
    const bool replaced = BuildItemHtml(html, item, false);
    body_ += html;
    return replaced;
}

std::string ReportRenderer::FieldValue(int fieldId, const CAucItem& item, bool totalsMode) const {
    std::string text;
    if (!totalsMode || !totals_.GetColumnTotal(fieldId, text) || text.empty()) {
        item.GetFieldText(fieldId, text, folders_);
    }
    return EscapeValue(text);
}

std::string ReportRenderer::FeeValue(int entry, const CAucItem& item, bool totalsMode) {
    std::string text;
    fees_.SetCurrent(entry);
    if (totalsMode) {
        fees_.FormatAmount(text, feeTotals_[entry]);
    } else if (Carries(item, entry)) {
        fees_.SetItem(item);
        EntryAmount(entry, text);
    } else {
        fees_.FormatAmount(text, gb::Money::FromUnits(0));
    }
    return text;
}

std::string ReportRenderer::Render(std::string_view text, const CAucItem& item, bool totalsMode,
                                   bool* replaced) {
    std::string out;
    out.reserve(text.size());
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t open = text.find('[', pos);
        const std::size_t close = open == std::string_view::npos ? open : text.find(']', open);
        if (close == std::string_view::npos) {
            break;
        }
        out.append(text, pos, open - pos);
        const auto target = tokens_.find(std::string(text.substr(open, close - open + 1)));
        if (target == tokens_.end()) {
            out += '[';
            pos = open + 1;
            continue;
        }
        out += target->second.feeEntry ? FeeValue(target->second.id, item, totalsMode)
                                       : FieldValue(target->second.id, item, totalsMode);
        if (replaced != nullptr) {
            *replaced = true;
        }
        pos = close + 1;
    }
    out.append(text.substr(std::min(pos, text.size())));
    return out;
}

bool ReportRenderer::BuildItemHtml(std::string& text, const CAucItem& item, bool totalsMode) {
    bool replaced = false;
    text = Render(text, item, totalsMode, &replaced);
    return replaced;
}

std::string ReportRenderer::BuildReport() {
    if (!first_) {
        return {};
    }
    const HeaderParts header = SplitHeader(template_.GetHeader());
    std::string document = Render(header.head, *first_, true);
    document += body_;
    document += Render(BodyInner(template_.GetFooter()), *first_, true);
    document += header.tail;
    return document;
}

std::string ReportRenderer::BuildMailTo() {
    if (!first_) {
        return {};
    }
    const std::string_view address = first_->GetEmail();
    if (address.find('@') == std::string_view::npos) {
        return {};
    }
    return MailToLink(address, Render(template_.GetSubject(), *first_, true));
}

}  // namespace gb::app
