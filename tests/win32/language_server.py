#!/usr/bin/env python3
"""A language server on 127.0.0.1 for the download tests. Writes the files a complete update
stores (full.xml and small.xml, each body followed by CR LF) into the folder given, prints its
port, then serves:
  /Languages/0/Localization.xml  a language file of several 256-byte chunks
  /bom                           a byte order mark and blank lines before the file
  /small                         a file of fewer than 256 bytes
  /missing                       404, with a language file as its body
  /large                         announces a body over 64 MiB
  /broken                        announces 5000 bytes and closes after 1000"""
import http.server
import sys

GROUP = (b"<LANGUAGE_GROUP>\r\n\t<LANGUAGE_NAME>Nederlands</LANGUAGE_NAME>\r\n\t<TRANSLATION_ITEMS>\r\n"
         b"\t\t<FRMMAIN_CMDEDIT>Bewerken</FRMMAIN_CMDEDIT>\r\n\t</TRANSLATION_ITEMS>\r\n</LANGUAGE_GROUP>")
FULL = b"<XML_DIZ_INFO>\r\n" + GROUP + b"\r\n" + b"<!-- padding -->\r\n" * 40 + b"</XML_DIZ_INFO>"
SMALL = GROUP


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"

    def answer(self, status, body, length=None):
        self.send_response(status)
        self.send_header("Content-Type", "text/xml")
        self.send_header("Content-Length", str(len(body) if length is None else length))
        self.end_headers()
        self.wfile.write(body)
        self.wfile.flush()

    def do_GET(self):
        if self.path == "/Languages/0/Localization.xml":
            self.answer(200, FULL)
        elif self.path == "/bom":
            self.answer(200, b"\xef\xbb\xbf\r\n\r\n" + FULL)
        elif self.path == "/small":
            self.answer(200, SMALL)
        elif self.path == "/missing":
            self.answer(404, FULL)
        elif self.path == "/large":
            self.answer(200, FULL, length=64 * 1024 * 1024 + 1)
            self.close_connection = True
        elif self.path == "/broken":
            self.answer(200, FULL[:1000].ljust(1000, b" "), length=5000)
            self.close_connection = True
        else:
            self.answer(404, b"")

    def log_message(self, *args):
        pass


for name, body in (("full.xml", FULL), ("small.xml", SMALL)):
    with open(f"{sys.argv[1]}/{name}", "wb") as f:
        f.write(body + b"\r\n")
server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
print(server.server_address[1], flush=True)
server.serve_forever()
