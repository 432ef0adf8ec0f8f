"""FTP test peer: pyftpdlib on an ephemeral port of 127.0.0.1, serving the directory given.

Prints the port, then one line per command received. Accepts "user"/"secret", and every
further argument as one more user name with the password "secret" (a proxy's user@host form).
Ends when standard input closes, or after two minutes.
"""
import logging
import sys
import threading
import time

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer


def say(text):
    sys.stdout.write(text + "\n")
    sys.stdout.flush()


class Handler(FTPHandler):
    def pre_process_command(self, line, cmd, arg):
        say(line if cmd != "PASS" else "PASS ****")
        return super().pre_process_command(line, cmd, arg)


def main():
    # A handler of our own keeps pyftpdlib from setting up its logging to stderr on every poll.
    logging.getLogger("pyftpdlib").addHandler(logging.NullHandler())
    logging.getLogger("pyftpdlib").setLevel(logging.ERROR)
    authorizer = DummyAuthorizer()
    for name in ["user"] + sys.argv[2:]:
        authorizer.add_user(name, "secret", sys.argv[1], perm="elradfmwMT")
    Handler.authorizer = authorizer
    Handler.permit_foreign_addresses = False
    Handler.auth_failed_timeout = 0.05
    server = FTPServer(("127.0.0.1", 0), Handler)
    say(str(server.socket.getsockname()[1]))
    started = time.time()

    stop = threading.Event()

    def watch_stdin():
        sys.stdin.read()
        stop.set()

    threading.Thread(target=watch_stdin, daemon=True).start()
    while not stop.is_set() and time.time() - started < 120:
        server.serve_forever(timeout=0.05, blocking=False, handle_exit=False)
    server.close_all()


main()
