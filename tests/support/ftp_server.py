"""Loopback FTP server for the update-check tests.

Serves one user with a read-only home folder on 127.0.0.1, in active mode
only: PASV and EPSV are refused, so a check that slipped into passive mode
fails here instead of passing unnoticed. It binds a free
port chosen by the system and prints "PORT <n>" on stdout once it accepts
connections, so the test knows where to connect without guessing a port.

Usage: /usr/bin/python3 ftp_server.py --home DIR --user NAME --password TEXT
(Debian's interpreter: it is the one that sees python3-pyftpdlib.)
"""
import argparse
import os
import sys
import threading

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer


class ActiveOnlyHandler(FTPHandler):
    def ftp_PASV(self, line):
        self.respond("502 Passive mode is not offered here.")

    def ftp_EPSV(self, line):
        self.respond("502 Passive mode is not offered here.")


def exit_when_parent_goes():
    # The test holds our stdin open; when it ends, even killed before it could
    # stop us, stdin reaches its end and the server ends with it.
    sys.stdin.read()
    os._exit(0)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--home", required=True)
    parser.add_argument("--user", required=True)
    parser.add_argument("--password", required=True)
    args = parser.parse_args()

    authorizer = DummyAuthorizer()
    authorizer.add_user(args.user, args.password, args.home, perm="elr")

    handler = ActiveOnlyHandler
    handler.authorizer = authorizer
    # A refused login answers at once instead of after the default 3 s delay.
    handler.auth_failed_timeout = 0

    threading.Thread(target=exit_when_parent_goes, daemon=True).start()
    server = FTPServer(("127.0.0.1", 0), handler)
    port = server.socket.getsockname()[1]
    sys.stdout.write("PORT %d\n" % port)
    sys.stdout.flush()
    server.serve_forever()


if __name__ == "__main__":
    main()
