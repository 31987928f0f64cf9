"""Every message a test SMTP server stored, as Python's email package reads it, printed as JSON.

  /usr/bin/python3 read_mail.py DIR
One object per NNNN.eml in order: the envelope, the headers (Subject decoded), whether it is
multipart, the text of the letter and every attachment with its bytes in hex.
"""

import email
import email.policy
import glob
import json
import os
import sys

out = []
for path in sorted(glob.glob(os.path.join(sys.argv[1], "*.eml"))):
    with open(path, "rb") as f:
        message = email.message_from_bytes(f.read(), policy=email.policy.default)
    with open(path[:-4] + ".json") as f:
        envelope = json.load(f)
    body = message.get_body(preferencelist=("plain",))
    attachments = []
    for part in message.iter_attachments():
        attachments.append({
            "filename": part.get_filename(),
            "content_type": part.get_content_type(),
            "encoding": part.get("Content-Transfer-Encoding", ""),
            "hex": part.get_payload(decode=True).hex(),
        })
    out.append({
        "envelope": envelope,
        "from": str(message["From"] or ""),
        "to": str(message["To"] or ""),
        "subject": str(message["Subject"] or ""),
        "has_subject": "Subject" in message,
        "date": str(message["Date"] or ""),
        "message_id": str(message["Message-ID"] or ""),
        "mime_version": str(message["MIME-Version"] or ""),
        "content_type": message.get_content_type(),
        "multipart": message.is_multipart(),
        "text": body.get_content().replace("\r\n", "\n") if body is not None else None,
        "attachments": attachments,
    })
json.dump(out, sys.stdout)
