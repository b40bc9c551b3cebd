#!/usr/bin/env python3
"""The release's package-manager manifests parse, and what they say matches the artefacts.

Usage: check_manifests.py RELEASE_DIR VERSION PRODUCT

winget: the version, installer and default-locale files of one package version, in the folder
winget's repository keeps them in; the installer as nullsoft for the user and the machine scope
with the switches the installer takes, and the zip as a portable installer whose command
aliases name files in the zip. Scoop: the zip, its binary, shortcut and kept folder.
Both carry the artefacts' SHA-256 digests and addresses ending in their file names.
"""
import hashlib
import json
import pathlib
import sys
import zipfile

import yaml

failures = []


def check(condition, what):
    if not condition:
        failures.append(what)


def sha256(path):
    return hashlib.sha256(path.read_bytes()).hexdigest()


def main():
    release, version, product = pathlib.Path(sys.argv[1]), sys.argv[2], sys.argv[3]
    installer = release / f"curfew-{version}-setup.exe"
    portable = release / f"curfew-{version}-portable.zip"
    with zipfile.ZipFile(portable) as archive:
        in_zip = set(archive.namelist())

    folders = list((release / "manifests/winget/manifests").glob(f"*/*/{product}/{version}"))
    check(len(folders) == 1, f"one winget folder for {product} {version}, found {folders}")
    if folders:
        folder = folders[0]
        publisher = folder.parent.parent.name
        identifier = f"{publisher}.{product}"
        check(folder.parent.parent.parent.name == publisher[0].lower(), "the folder's initial is the publisher's")
        parts = {kind: yaml.safe_load((folder / f"{identifier}{suffix}.yaml").read_text(encoding="utf-8"))
                 for kind, suffix in (("version", ""), ("installer", ".installer"),
                                      ("defaultLocale", ".locale.en-US"))}
        for kind, part in parts.items():
            check(part["PackageIdentifier"] == identifier, f"{kind}: the identifier")
            check(str(part["PackageVersion"]) == version, f"{kind}: the version")
            check(part["ManifestType"] == kind, f"{kind}: the manifest type")
            check(part["ManifestVersion"] == "1.6.0", f"{kind}: the manifest version")
        check(parts["version"]["DefaultLocale"] == parts["defaultLocale"]["PackageLocale"], "the default locale")
        locale = parts["defaultLocale"]
        for field in ("Publisher", "PackageName", "License", "ShortDescription"):
            check(bool(locale.get(field)), f"the locale's {field}")
        check(locale["PackageName"] == product, "the package's name")

        installers = parts["installer"]["Installers"]
        nullsoft = [entry for entry in installers if entry["InstallerType"] == "nullsoft"]
        check({entry["Scope"]: entry["InstallerSwitches"]["Custom"] for entry in nullsoft}
              == {"user": "/CurrentUser", "machine": "/AllUsers"}, "the installer's scopes and switches")
        machine = [entry for entry in nullsoft if entry["Scope"] == "machine"]
        check(all(entry.get("ElevationRequirement") == "elevationRequired" for entry in machine),
              "winget elevates the machine-wide installation, which a silent run cannot ask for")
        for entry in nullsoft:
            check(entry["InstallerSha256"] == sha256(installer).upper(), f"the {entry['Scope']} installer's digest")
            check(entry["InstallerUrl"].endswith("/" + installer.name), f"the {entry['Scope']} installer's address")
            for listed in entry["AppsAndFeaturesEntries"]:
                check(listed["DisplayVersion"] == version, "the uninstall entry's version")
                check(listed["ProductCode"] == product, "the uninstall entry's key")
        zips = [entry for entry in installers if entry["InstallerType"] == "zip"]
        check(len(zips) == 1, "one zip installer")
        for entry in zips:
            check(entry["NestedInstallerType"] == "portable", "the zip holds a portable program")
            check(entry["InstallerSha256"] == sha256(portable).upper(), "the zip's digest")
            check(entry["InstallerUrl"].endswith("/" + portable.name), "the zip's address")
            aliases = {nested["PortableCommandAlias"]: nested["RelativeFilePath"]
                       for nested in entry["NestedInstallerFiles"]}
            check(aliases.get("curfewctl") == "curfewctl.exe", "the curfewctl command alias")
            for path in aliases.values():
                check(path in in_zip, f"{path} is in the zip")

    scoop = json.loads((release / "manifests/scoop/curfew.json").read_text(encoding="utf-8"))
    check(scoop["version"] == version, "scoop: the version")
    download = scoop["architecture"]["64bit"]
    check(download["hash"] == sha256(portable), "scoop: the zip's digest")
    check(download["url"].endswith("/" + portable.name), "scoop: the zip's address")
    check(scoop["bin"] in in_zip, "scoop: the command is in the zip")
    for target, _name in scoop["shortcuts"]:
        check(target in in_zip, f"scoop: the shortcut's {target} is in the zip")
    check(scoop["persist"] + "/" in in_zip, "scoop: the kept folder is in the zip")

    for failure in failures:
        print(f"FAIL: {failure}")
    if not failures:
        print(f"PASS: the winget and Scoop manifests match {installer.name} and {portable.name}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
