#include "engine/mail_step.h"

#include "engine/result_folder.h"
#include "engine/run_updates.h"
#include "store/file_io.h"

namespace listrider::engine {
namespace {

void MailSucceeded(RunContext& run, SiteState& site)
{
    ++run.state.report.emailsSent;
    DetailsSuccessWords(run, site);
    ++run.page.counters.successful;
    LogRowSuccess(run, site);
    sites::SitesR& record = run.Record(site);
    record.Submitted = run.runDate;
    run.view.Apply(run_event::SiteUnchecked{site.name});
    record.MustBeChecked.clear();
    SaveSiteStatus(run);
}

} // namespace

MailStepEnd RunMailStep(RunContext& run, SiteState& site, const LoadedStep& step)
{
    const store::NarrowMacroResolver& resolve = run.script.Resolver();
    MailMessage message;
    const catalogue::CompanyInfo& company = run.in.values.company;
    message.senderName = SenderName(company.contactFirstName, company.contactLastName);
    message.generalEmail = company.generalEmail;
    message.recipient = store::SubstituteMacros(step.recipient, resolve);
    message.subject = step.subject;
    for (const std::string& line : step.values) {
        message.body.push_back(store::SubstituteMacros(line, resolve));
    }
    if (run.script.TakeFailure()) {
        run.control.SetOutcome(Outcome::Error);
    }
    run.view.Apply(run_event::MailProgressShown{run.smtpInUse});

    bool mailFailed = false;
    if (run.smtpInUse) {
        SmtpSettings settings = SmtpSettingsFromPrefs(run.in.prefs);
        settings.caFile = run.in.smtpCaFile;
        run.control.BeginTransfer();
        run.smtp.SetTransferControl(&run.control.Transfer());
        run.smtp.SMTPQuit();
        std::string code =
            settings.auth ? run.smtp.SMTPConnect(settings) : run.smtp.SMTPConnectNoAuth(settings);
        if (code == "0") {
            code = run.smtp.SMTPSend(message);
        }
        if (code.empty()) {
            run.control.SetOutcome(Outcome::Error); // no session was open
        }
        if (store::Result<void> saved = store::SaveLines(
                SavedPagePath(run.resultFolder, site.name, site.requestNumber), message.body);
            !saved && !run.fatal) {
            run.fatal = saved.GetError();
        }
        const Outcome outcome = run.control.GetOutcome();
        if (outcome == Outcome::Skip) {
            run.smtp.SMTPQuit();
            site.step = kStepFailure;
            site.reason = "Error sending e-mail.";
            site.mailSkipped = true;
            return MailStepEnd::SiteDone;
        }
        if (outcome == Outcome::Abort) {
            run.smtp.SMTPQuit();
            return MailStepEnd::StopRun;
        }
        mailFailed = outcome == Outcome::Error || code != "0";
        if (!mailFailed) {
            MailSucceeded(run, site);
        }
        run.smtp.SMTPQuit();
    }
    if (!run.smtpInUse || mailFailed) {
        ++site.requestNumber;
        run.control.BeginTransfer();
        const RelayAnswer answer =
            SendThroughRelay(message,
                             run.in.config.mailRelayHost,
                             HttpProxyFromPrefs(run.in.prefs),
                             SavedPagePath(run.resultFolder, site.name, site.requestNumber),
                             run.pool,
                             &run.control.Transfer());
        if (!answer.sent) {
            site.httpErrorCode = answer.status;
            site.httpErrorText = answer.errorText;
        }
        if (run.control.GetOutcome() == Outcome::Abort) {
            return MailStepEnd::StopRun;
        }
        if (answer.sent) {
            MailSucceeded(run, site);
        } else {
            ++run.state.failedSites;
            DetailsFailureWords(run, site);
            LogRowFailure(run, site);
            run.Record(site).MustBeChecked = "YES";
            SaveSiteStatus(run);
            run.view.Apply(run_event::SiteUnchecked{site.name});
        }
    }
    ShowProgress(run);
    return MailStepEnd::SiteDone;
}

} // namespace listrider::engine
