"""Builds word tables from small hand-made dictionary sources with
make_word_tables and reads them back with Debian's python3-dbf: what our
driver writes must be what another xBase reader sees."""

import base64
import gzip
import os
import subprocess
import sys
import tempfile

import dbf

B64 = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/"


def b64(n):
    digits = ""
    while True:
        digits = B64[n % 64] + digits
        n //= 64
        if n == 0:
            return digits


def write_freedict(base, entries):
    data = "00-database-info\nheader\n"
    index = ["00-database-info\t%s\t%s" % (b64(0), b64(len(data)))]
    for head, text in entries:
        start = len(data.encode())
        data += text
        index.append("%s\t%s\t%s" % (head, b64(start), b64(len(text.encode()))))
    with gzip.open(base + ".dict.dz", "wb") as f:
        f.write(data.encode())
    with open(base + ".index", "w", encoding="utf-8") as f:
        f.write("\n".join(index) + "\n")


def read(path):
    table = dbf.Table(path, codepage="cp1252")
    table.open(dbf.READ_ONLY)
    try:
        fields = [(name.upper(), tuple(table.field_info(name))[:3]) for name in table.field_names]
        rows = [(r.deutsch.rstrip(), r.fremd.rstrip(), r.sprache, int(r.status or 0), dbf.is_deleted(r))
                for r in table]
    finally:
        table.close()
    return fields, rows


def check(cond, what):
    if not cond:
        print("FAILED:", what)
        sys.exit(1)


def main():
    tool = sys.argv[1]
    with tempfile.TemporaryDirectory() as src:
        os.makedirs(os.path.join(src, "trans"))
        os.makedirs(os.path.join(src, "dictd"))
        with open(os.path.join(src, "trans", "de-en"), "w", encoding="utf-8") as f:
            f.write("# Version :: test\n"
                    "Haus {n} | Häuser {pl} :: house | houses\n"
                    "Straße {f}; Str. :: street\n"
                    "Crème brûlée {f} [cook.] :: crème brûlée\n"
                    "Ärger {m} (Verdruss) :: anger\n")
        write_freedict(os.path.join(src, "dictd", "freedict-deu-fra"),
                       [("Café", "Café /kaˈfeː/ <n, neut>\ncafé, bistrot\nEin Lokal\n")])
        write_freedict(os.path.join(src, "dictd", "freedict-lat-deu"),
                       [("amo", "amo /ˈamɔ/ <v>\nlieben, mögen\n")])
        out = os.path.join(src, "out")
        os.makedirs(out)
        subprocess.run([tool, "--out", out, "--source-dir", src], check=True)

        fields, rows = read(os.path.join(out, "DEUENG.DBF"))
        layout = [(n, chr(t), length, dec) for n, (t, length, dec) in fields]
        check(layout == [("DEUTSCH", "C", 50, 0), ("FREMD", "C", 50, 0), ("SPRACHE", "C", 2, 0),
                         ("STATUS", "N", 1, 0)], "structure %r" % layout)
        expected = [("Haus", "house", "EN", 0, False), ("Häuser", "houses", "EN", 0, False),
                    ("Straße", "street", "EN", 0, False), ("Crème brûlée", "crème brûlée", "EN", 0, False),
                    ("Ärger", "anger", "EN", 0, False)]
        check(rows == expected, "DEUENG rows %r" % rows)

        _, rows = read(os.path.join(out, "DEUFRA.DBF"))
        check(rows == [("Café", "café", "FR", 0, False), ("Café", "bistrot", "FR", 0, False)],
              "DEUFRA rows %r" % rows)
        _, rows = read(os.path.join(out, "DEULAT.DBF"))
        check(rows == [("lieben", "amo", "LA", 0, False), ("mögen", "amo", "LA", 0, False)],
              "DEULAT rows (sides turned round) %r" % rows)
        check(not os.path.exists(os.path.join(out, "DEUITA.DBF")), "a missing package is skipped")

        subprocess.run([tool, "--out", out, "--source-dir", src, "--limit", "2"], check=True)
        _, rows = read(os.path.join(out, "DEUENG.DBF"))
        check(len(rows) == 2, "--limit 2 gives %d rows" % len(rows))
    print("word tables read back by python3-dbf")


if __name__ == "__main__":
    main()
