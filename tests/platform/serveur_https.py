"""A test HTTPS server on 127.0.0.1.

Prints "PORT <n>" once it listens on a free port, then runs until it is terminated.
  /fichiers/NAME     the file RACINE/NAME, or 404 when there is none
  /erreur500         500 with an error page
  /coupe             announces 100000 bytes, sends 10, then closes the connection
  /vers_https/NAME   302 to https://127.0.0.1:PORT/fichiers/NAME
  /vers_http/NAME    302 to http://127.0.0.1:PORT/fichiers/NAME
  any other path     the file RACINE/PATH, or 404 when there is none
--statut PATH=CODE answers CODE with an error page for PATH, --coupe PATH cuts PATH short
as /coupe does; both may be repeated.
Each request appends "PATH Cache-Control=VALUE" to the file given by --journal.
"""

import argparse
import http.server
import os
import ssl


class Gestion(http.server.BaseHTTPRequestHandler):
    def log_message(self, *args):
        pass

    def envoyer(self, statut, corps, entetes=()):
        self.send_response(statut)
        self.send_header("Content-Length", str(len(corps)))
        for nom, valeur in entetes:
            self.send_header(nom, valeur)
        self.end_headers()
        self.wfile.write(corps)

    def do_GET(self):
        opts = self.server.options
        if opts.journal:
            with open(opts.journal, "a") as j:
                j.write("%s Cache-Control=%s\n" % (self.path, self.headers.get("Cache-Control")))
        port = self.server.server_address[1]
        statuts = dict(x.split("=", 1) for x in opts.statut)
        if self.path in statuts:
            self.envoyer(int(statuts[self.path]), b"<html>erreur</html>")
        elif self.path == "/coupe" or self.path in opts.coupe:
            self.couper()
        elif self.path.startswith("/fichiers/"):
            nom = os.path.join(opts.racine, os.path.basename(self.path))
            if not os.path.isfile(nom):
                self.envoyer(404, b"<html>introuvable</html>")
                return
            with open(nom, "rb") as f:
                self.envoyer(200, f.read(), [("Content-Type", "application/octet-stream")])
        elif self.path == "/erreur500":
            self.envoyer(500, b"<html>panne</html>")
        elif self.path.startswith("/vers_https/") or self.path.startswith("/vers_http/"):
            schema = "https" if self.path.startswith("/vers_https/") else "http"
            cible = "%s://127.0.0.1:%d/fichiers/%s" % (schema, port, os.path.basename(self.path))
            self.envoyer(302, b"", [("Location", cible)])
        else:
            racine = os.path.realpath(opts.racine)
            nom = os.path.realpath(os.path.join(racine, self.path.lstrip("/")))
            if not nom.startswith(racine + os.sep) or not os.path.isfile(nom):
                self.envoyer(404, b"")
                return
            with open(nom, "rb") as f:
                self.envoyer(200, f.read(), [("Content-Type", "application/octet-stream")])

    def couper(self):
        self.send_response(200)
        self.send_header("Content-Length", "100000")
        self.end_headers()
        self.wfile.write(b"0123456789")
        self.wfile.flush()
        self.close_connection = True


class Serveur(http.server.ThreadingHTTPServer):
    def handle_error(self, request, client_address):
        # Refused handshakes are what some tests expect.
        pass


if __name__ == "__main__":
    p = argparse.ArgumentParser()
    p.add_argument("--racine", required=True)
    p.add_argument("--cert", required=True)
    p.add_argument("--cle", required=True)
    p.add_argument("--journal")
    p.add_argument("--statut", action="append", default=[])
    p.add_argument("--coupe", action="append", default=[])
    options = p.parse_args()
    contexte = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    contexte.load_cert_chain(options.cert, options.cle)
    serveur = Serveur(("127.0.0.1", 0), Gestion)
    serveur.options = options
    serveur.socket = contexte.wrap_socket(serveur.socket, server_side=True)
    print("PORT %d" % serveur.server_address[1], flush=True)
    serveur.serve_forever()
