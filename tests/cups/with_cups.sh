#!/usr/bin/env bash
# Runs a command against a private CUPS scheduler of its own: one queue,
# "vellorin-test", the default, whose jobs land as PDF files in
# $VELLORIN_PRINT_OUT. Nothing of the machine's own printing is touched, and
# the scheduler stops when the command ends.
#
# usage: with_cups.sh COMMAND [ARG...]
set -u
here=$(cd "$(dirname "$0")" && pwd)
root=$(mktemp -d /tmp/vellorin-cups.XXXXXX)
chmod 755 "$root"
mkdir -p "$root"/{cache,spool,state,log,tmp,out}
chmod 777 "$root/out" "$root/tmp"

cat >"$root/cupsd.conf" <<CONF
Listen $root/cups.sock
LogLevel warn
PageLogFormat "%p %j %u %T %P %C"
MaxLogSize 0
Browsing No
WebInterface No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Location /admin>
  Order allow,deny
  Allow all
</Location>
<Policy default>
  JobPrivateAccess all
  JobPrivateValues none
  SubscriptionPrivateAccess all
  SubscriptionPrivateValues none
  <Limit All>
    Order allow,deny
    Allow all
  </Limit>
</Policy>
CONF
cat >"$root/cups-files.conf" <<CONF
ServerRoot $root
CacheDir $root/cache
StateDir $root/state
RequestRoot $root/spool
TempDir $root/tmp
ServerBin /usr/lib/cups
DataDir /usr/share/cups
AccessLog $root/log/access_log
ErrorLog $root/log/error_log
PageLog $root/log/page_log
FileDevice Yes
Sandboxing Relaxed
CONF

export CUPS_SERVER="$root/cups.sock"
/usr/sbin/cupsd -f -c "$root/cupsd.conf" -s "$root/cups-files.conf" &
cupsd=$!
stop() {
    kill "$cupsd" 2>/dev/null
    wait "$cupsd" 2>/dev/null
    rm -rf "$root"
}
trap stop EXIT

# The exit status of lpstat -r says nothing; its words do.
for _ in $(seq 100); do
    lpstat -r 2>/dev/null | grep -q "scheduler is running" && break
    sleep 0.1
done
lpstat -r 2>/dev/null | grep -q "scheduler is running" || { echo "cupsd did not start"; cat "$root/log/error_log"; exit 1; }

lpadmin -p vellorin-test -E -v "file://$root/out/job.pdf" -P "$here/vellorin-test.ppd" 2>/dev/null \
    || { cat "$root/log/error_log"; exit 1; }
lpadmin -d vellorin-test
# A second queue, for choosing another printer than the default.
lpadmin -p vellorin-other -E -v "file://$root/out/other.pdf" -P "$here/vellorin-test.ppd" 2>/dev/null \
    || { cat "$root/log/error_log"; exit 1; }

export VELLORIN_PRINT_OUT="$root/out"
export VELLORIN_CUPS_ROOT="$root"
export VELLORIN_CUPSD_PID="$cupsd"
export VELLORIN_CUPS_TESTS="$here"
"$@"
