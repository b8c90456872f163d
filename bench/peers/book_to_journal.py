#!/usr/bin/env python3
"""book_to_journal.py QBK3-CLI FOLDER OUTDIR

Writes the entries of the book in FOLDER, as `qbk3-cli list --format csv` gives them, in
the forms the peers read, for bench/peers/run.sh:
  book.csv      qbk3-cli's own CSV of every entry (for `qbk3-cli import` and hledger's CSV reader)
  book.rules    hledger's rules for book.csv
  book.journal  one transaction per entry, oldest first, for hledger and ledger
  book.xhb      a HomeBank file with one account, the categories and every entry
An entry's category goes to income:CODE when its description says "Money in", else to
expenses:CODE, against assets:bank. The output depends only on the book.
"""
import csv
import datetime
import io
import os
import subprocess
import sys
from xml.sax.saxutils import quoteattr


def main():
    if len(sys.argv) != 4:
        sys.exit(__doc__.strip().splitlines()[0])
    cli, folder, out = sys.argv[1:]
    os.makedirs(out, exist_ok=True)

    cats = {}  # code -> (name, income?)
    listing = subprocess.run([cli, "category", "list", folder], check=True,
                             capture_output=True, text=True).stdout
    for line in listing.splitlines()[1:]:
        code, name, desc = (line.split("\t") + ["", ""])[:3]
        cats[code] = (name, desc.startswith("Money in"))

    text = subprocess.run([cli, "list", folder, "--from", "01/01/1700", "--to", "12/31/2100",
                           "--format", "csv"], check=True, capture_output=True, text=True).stdout
    with open(os.path.join(out, "book.csv"), "w", encoding="utf-8", newline="") as f:
        f.write(text)
    rows = [r for r in csv.DictReader(io.StringIO(text)) if r["deleted"] != "true"]
    rows.reverse()  # the list is newest first; journals read better oldest first

    def account(code):
        return ("income:" if cats.get(code, ("", False))[1] else "expenses:") + (code or "NONE")

    with open(os.path.join(out, "book.journal"), "w", encoding="utf-8") as f:
        for r in rows:
            amount = r["amount"]
            other = amount[1:] if amount.startswith("-") else "-" + amount
            note = r["note"].replace(";", ",") or "-"
            f.write(f"{r['date']} {note}\n    {account(r['category'])}  ${other}\n"
                    f"    assets:bank  ${amount}\n\n")

    income = "|".join(sorted(c for c, (_, inc) in cats.items() if inc)) or "^$"
    with open(os.path.join(out, "book.rules"), "w", encoding="utf-8") as f:
        f.write("skip 1\n"
                "fields date, amount, category, description, user1, user2, stamp, deleted\n"
                "date-format %Y-%m-%d\ncurrency $\naccount1 assets:bank\n"
                "account2 expenses:%category\n\n"
                f"if %category ^({income})$\n  account2 income:%category\n")

    keys = {code: i + 1 for i, code in enumerate(sorted(cats))}
    with open(os.path.join(out, "book.xhb"), "w", encoding="utf-8") as f:
        f.write('<?xml version="1.0"?>\n<homebank v="1.3" d="050100">\n'
                '<properties title="Generated book" curr="1"/>\n'
                '<cur key="1" flags="0" iso="USD" name="US Dollar" symb="$" syprf="1" '
                'dchar="." gchar="," frac="2" rate="0" mdate="0"/>\n'
                '<account key="1" pos="1" type="1" curr="1" name="bank" initial="0"/>\n')
        for code, key in keys.items():
            name, inc = cats[code]
            kind = ' flags="2"' if inc else ""
            f.write(f'<cat key="{key}"{kind} name={quoteattr(name)}/>\n')
        for r in rows:
            day = datetime.date.fromisoformat(r["date"]).toordinal()  # GLib's Julian day
            cat = f' category="{keys[r["category"]]}"' if r["category"] in keys else ""
            flags = ' flags="2"' if r["amount"][0] != "-" else ""
            f.write(f'<ope date="{day}" amount="{r["amount"]}" account="1"{flags}'
                    f'{cat} wording={quoteattr(r["note"])}/>\n')
        f.write("</homebank>\n")


if __name__ == "__main__":
    main()
