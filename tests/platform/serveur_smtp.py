"""A test SMTP server on 127.0.0.1 that saves what it receives.

Prints "PORT <n>" once it listens on a free port, then runs until it is terminated.
Each accepted message goes to DOSSIER/<n>/ (n = 1, 2, ...), decoded with Python's own
e-mail parser so the tests check the message as a mail reader would see it:
  enveloppe.txt  "MAIL FROM:<...>" then one "RCPT TO:<...>" line per recipient
  tls.txt        "oui" when the session was encrypted, "non" otherwise
  message.eml    the message bytes as received
  en_tetes.txt   "Name: decoded value" for each top-level header, UTF-8
  date.txt       the Date header as seconds since 1970
  corps.bin      the text part after its transfer encoding, bytes as sent
  corps_type.txt its content type and charset
  pj_nom.txt     the attachment's file name (UTF-8), pj.bin its bytes, pj_type.txt its type
  parties.txt    the number of MIME parts under the top level

Modes: normal; refus_rcpt (550 to every RCPT); muet (accepts connections, never
answers); starttls_refuse (offers STARTTLS, then answers 454 to it).
TLS: aucun; starttls (offered in EHLO); implicite (TLS from the first byte).
"""

import argparse
import asyncio
import email
import email.policy
import email.utils
import logging
import os
import signal
import ssl

from aiosmtpd.smtp import SMTP


class Sauvegarde:
    def __init__(self, dossier, refus_rcpt):
        self.dossier = dossier
        self.refus_rcpt = refus_rcpt
        self.numero = 0

    async def handle_RCPT(self, server, session, envelope, address, rcpt_options):
        if self.refus_rcpt:
            return "550 5.1.1 Destinataire inconnu"
        envelope.rcpt_tos.append(address)
        return "250 OK"

    async def handle_DATA(self, server, session, envelope):
        self.numero += 1
        d = os.path.join(self.dossier, str(self.numero))
        os.makedirs(d)

        def ecrire(nom, contenu):
            if isinstance(contenu, str):
                contenu = contenu.encode("utf-8")
            with open(os.path.join(d, nom), "wb") as f:
                f.write(contenu)

        lignes = ["MAIL FROM:<%s>" % envelope.mail_from]
        lignes += ["RCPT TO:<%s>" % r for r in envelope.rcpt_tos]
        ecrire("enveloppe.txt", "\n".join(lignes) + "\n")
        chiffre = server.transport.get_extra_info("ssl_object") is not None
        ecrire("tls.txt", "oui" if chiffre else "non")
        brut = envelope.original_content
        ecrire("message.eml", brut)

        msg = email.message_from_bytes(brut, policy=email.policy.default)
        ecrire("en_tetes.txt", "".join("%s: %s\n" % (k, v) for k, v in msg.items()))
        if msg["Date"] is not None:
            ecrire("date.txt", str(int(email.utils.parsedate_to_datetime(msg["Date"]).timestamp())))
        parties = list(msg.iter_parts()) if msg.is_multipart() else [msg]
        ecrire("parties.txt", str(len(parties)))
        for p in parties:
            if p.get_filename() is not None:
                ecrire("pj_nom.txt", p.get_filename())
                ecrire("pj.bin", p.get_payload(decode=True))
                ecrire("pj_type.txt", p.get_content_type())
            elif p.get_content_type() == "text/plain":
                ecrire("corps.bin", p.get_payload(decode=True))
                ecrire("corps_type.txt", "%s; charset=%s" % (p.get_content_type(),
                                                             p.get_content_charset()))
        return "250 Message accepted"


class SmtpSansTls(SMTP):
    """Offers STARTTLS in EHLO but refuses it when asked."""

    async def smtp_STARTTLS(self, arg):
        await self.push("454 4.7.0 TLS not available now")


async def principal(args):
    loop = asyncio.get_running_loop()
    contexte = None
    if args.tls != "aucun":
        contexte = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
        contexte.load_cert_chain(args.cert, args.cle)

    if args.mode == "muet":
        async def silence(reader, writer):
            await reader.read()
            writer.close()

        serveur = await asyncio.start_server(silence, "127.0.0.1", 0)
    else:
        gestion = Sauvegarde(args.dossier, args.mode == "refus_rcpt")
        classe = SmtpSansTls if args.mode == "starttls_refuse" else SMTP

        def fabrique():
            return classe(gestion, loop=loop, hostname="test.invalid",
                          enable_SMTPUTF8=args.utf8,
                          tls_context=contexte if args.tls == "starttls" else None)

        serveur = await loop.create_server(
            fabrique, "127.0.0.1", 0,
            ssl=contexte if args.tls == "implicite" else None)

    arret = loop.create_future()
    loop.add_signal_handler(signal.SIGTERM, lambda: arret.done() or arret.set_result(None))
    print("PORT %d" % serveur.sockets[0].getsockname()[1], flush=True)
    await arret
    serveur.close()


if __name__ == "__main__":
    # Failed handshakes are part of the tests; their tracebacks would only hide real output.
    logging.getLogger("mail.log").setLevel(logging.CRITICAL)
    p = argparse.ArgumentParser()
    p.add_argument("--dossier", default=".")
    p.add_argument("--mode", default="normal",
                   choices=["normal", "refus_rcpt", "muet", "starttls_refuse"])
    p.add_argument("--tls", default="aucun", choices=["aucun", "starttls", "implicite"])
    p.add_argument("--cert")
    p.add_argument("--cle")
    p.add_argument("--utf8", action="store_true")
    asyncio.run(principal(p.parse_args()))
