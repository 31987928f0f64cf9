"""A real SMTP server (aiosmtpd) for the tests, on a free loopback port.

Prints "PORT <n>" once it listens. Every accepted message is stored in DIR as NNNN.eml with its
envelope beside it in NNNN.json; DIR/connections holds the number of connections made so far.
It can refuse at the greeting, refuse given recipients, refuse the DATA command, drop the
connection inside DATA and answer every RCPT and DATA slowly.
Run with Debian's Python: /usr/bin/python3 smtp_sink.py DIR [options].
"""

import argparse
import logging
import asyncio
import json
import os
import sys

from aiosmtpd.smtp import SMTP


def write_atomically(path, data):
    partial = path + ".partial"
    with open(partial, "wb") as f:
        f.write(data)
    os.replace(partial, path)


class Sink:
    def __init__(self, args):
        self.args = args
        self.connections = 0
        self.messages = 0

    def connected(self):
        self.connections += 1
        write_atomically(os.path.join(self.args.dir, "connections"), str(self.connections).encode())

    async def handle_RCPT(self, server, session, envelope, address, rcpt_options):
        await asyncio.sleep(self.args.delay)
        if address in self.args.refuse_rcpt:
            return "550 5.1.1 <%s>: Recipient address rejected: no such user here" % address
        envelope.rcpt_tos.append(address)
        return "250 OK"

    async def handle_DATA(self, server, session, envelope):
        await asyncio.sleep(self.args.delay)
        self.messages += 1
        base = os.path.join(self.args.dir, "%04d" % self.messages)
        meta = {"mail_from": envelope.mail_from, "rcpt_tos": envelope.rcpt_tos, "connection": self.connections}
        write_atomically(base + ".json", json.dumps(meta).encode())
        write_atomically(base + ".eml", envelope.original_content)
        return "250 OK: queued as %d" % self.messages


def make_protocol(sink, args):
    class TestSMTP(SMTP):
        def connection_made(self, transport):
            sink.connected()
            if args.refuse_greeting:
                self._refused = True
                transport.write(b"554 5.3.2 No mail service for you today\r\n")
                transport.close()
                return
            super().connection_made(transport)

        def connection_lost(self, error):
            if getattr(self, "_refused", False):
                return
            super().connection_lost(error)

        async def smtp_DATA(self, arg):
            if args.refuse_data:
                await self.push("554 5.7.1 DATA refused: this test server takes no messages")
                return
            if args.drop_in_data:
                await self.push("354 End data with <CR><LF>.<CR><LF>")
                await asyncio.sleep(0.05)
                self.transport.abort()
                return
            await super().smtp_DATA(arg)

    return lambda: TestSMTP(sink, hostname="sink.test", data_size_limit=None)


async def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("dir")
    parser.add_argument("--refuse-greeting", action="store_true")
    parser.add_argument("--refuse-rcpt", action="append", default=[])
    parser.add_argument("--refuse-data", action="store_true")
    parser.add_argument("--drop-in-data", action="store_true")
    parser.add_argument("--delay", type=float, default=0.0)
    args = parser.parse_args()
    # Commands read while the connection is dropped inside DATA are the point, not a fault.
    logging.getLogger("mail.log").setLevel(logging.CRITICAL)
    sink = Sink(args)
    write_atomically(os.path.join(args.dir, "connections"), b"0")
    loop = asyncio.get_running_loop()
    server = await loop.create_server(make_protocol(sink, args), "127.0.0.1", 0)
    print("PORT %d" % server.sockets[0].getsockname()[1], flush=True)
    # Ends when the test closes our standard input.
    await loop.run_in_executor(None, sys.stdin.read)
    server.close()


asyncio.run(main())
