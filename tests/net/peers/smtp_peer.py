"""SMTP test peer: aiosmtpd on an ephemeral port of 127.0.0.1.

Prints the port, then one line per event (HELO, EHLO, AUTH, MAIL, RCPT, DATA).
Options: --exclude MECH (drop an AUTH mechanism), --tls CERT KEY (offer STARTTLS).
Accepts the login "user"/"secret"; refuses recipients that start with "reject".
Ends when standard input closes, or after two minutes.
"""
import asyncio
import ssl
import sys
import threading

from aiosmtpd.smtp import SMTP, AuthResult, LoginPassword


def say(text):
    sys.stdout.write(text + "\n")
    sys.stdout.flush()


class Handler:
    async def handle_HELO(self, server, session, envelope, hostname):
        say("HELO " + hostname)
        session.host_name = hostname
        return "250 peer"

    async def handle_EHLO(self, server, session, envelope, hostname, responses):
        say("EHLO " + hostname)
        session.host_name = hostname
        return responses

    async def handle_RCPT(self, server, session, envelope, address, rcpt_options):
        say("RCPT " + address)
        if address.startswith("reject"):
            return "550 no such user"
        envelope.rcpt_tos.append(address)
        return "250 OK"

    async def handle_DATA(self, server, session, envelope):
        say("MAIL " + envelope.mail_from)
        for line in envelope.content.decode("latin-1").split("\r\n"):
            say("DATA " + line)
        return "250 queued"


def authenticator(server, session, envelope, mechanism, auth_data):
    ok = isinstance(auth_data, LoginPassword) and auth_data.login == b"user" and auth_data.password == b"secret"
    say("AUTH %s %s" % (mechanism, "ok" if ok else "refused"))
    return AuthResult(success=ok)


def main():
    args = sys.argv[1:]
    exclude = []
    context = None
    while args:
        if args[0] == "--exclude":
            exclude.append(args[1])
            args = args[2:]
        elif args[0] == "--tls":
            context = ssl.create_default_context(ssl.Purpose.CLIENT_AUTH)
            context.load_cert_chain(args[1], args[2])
            args = args[3:]
        else:
            args = args[1:]
    loop = asyncio.new_event_loop()
    asyncio.set_event_loop(loop)

    def factory():
        return SMTP(Handler(), authenticator=authenticator, auth_require_tls=False,
                    auth_exclude_mechanism=exclude, tls_context=context, hostname="peer")

    server = loop.run_until_complete(loop.create_server(factory, "127.0.0.1", 0))
    say(str(server.sockets[0].getsockname()[1]))

    def watch_stdin():
        sys.stdin.read()
        loop.call_soon_threadsafe(loop.stop)

    threading.Thread(target=watch_stdin, daemon=True).start()
    loop.call_later(120, loop.stop)
    loop.run_forever()


main()
