#!/usr/bin/env bash
# Starts and stops the servers the publish tests upload to, all on 127.0.0.1 and
# all kept under one folder of the build tree: OpenSSH's sshd (SFTP) and two
# vsftpd instances (plain FTP and FTPS with explicit TLS and a self-signed
# certificate). They share one throwaway account whose home is in that folder; a
# small tmpfs in the home stands for a full server disk. Runs as root.
#   publishservers.sh start <folder>         all servers, a fresh account and home
#   publishservers.sh stop <folder>          all servers, the account and the tmpfs
#   publishservers.sh halt <folder> <sftp|ftp|ftps>      stops one server, sessions included
#   publishservers.sh restart <folder> <sftp|ftp|ftps>   starts it again
set -euo pipefail
action=$1
dir=$(realpath -m "$2")
account=quillsetpub

free_port() {
    python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'
}

descendants() {
    local child
    for child in $(pgrep -P "$1" || true); do
        echo "$child"
        descendants "$child"
    done
}

# Ends a server this script started and the sessions it forked, by their ids.
stop_server() {
    local pidfile="$dir/$1.pid"
    [ -f "$pidfile" ] || return 0
    local pid
    pid=$(cat "$pidfile")
    kill "$pid" $(descendants "$pid") 2> /dev/null || true
    for _ in $(seq 50); do kill -0 "$pid" 2> /dev/null || break; sleep 0.1; done
    rm -f "$pidfile"
}

start_sftp() {
    /usr/sbin/sshd -D -f "$dir/sshd_config" -E "$dir/sshd.log" < /dev/null > /dev/null 2>&1 &
    echo $! > "$dir/sftp.pid"
}

start_ftp() {
    /usr/sbin/vsftpd "$dir/$1.conf" < /dev/null > "$dir/$1.out" 2>&1 &
    echo $! > "$dir/$1.pid"
}

wait_for_port() {
    for _ in $(seq 100); do
        if python3 -c "import socket,sys; socket.create_connection(('127.0.0.1', $1), 0.2)" 2> /dev/null; then
            return 0
        fi
        sleep 0.1
    done
    echo "No server answers on port $1" >&2
    return 1
}

write_vsftpd_conf() {  # name port tls
    cat > "$dir/$1.conf" << CONF
listen=YES
listen_address=127.0.0.1
listen_port=$2
background=NO
anonymous_enable=NO
local_enable=YES
write_enable=YES
local_umask=022
pam_service_name=vsftpd
seccomp_sandbox=NO
secure_chroot_dir=$dir/empty
pasv_enable=YES
pasv_address=127.0.0.1
xferlog_enable=YES
vsftpd_log_file=$dir/$1.log
ssl_enable=$3
rsa_cert_file=$dir/ftps.crt
rsa_private_key_file=$dir/ftps.key
force_local_logins_ssl=$3
force_local_data_ssl=$3
require_ssl_reuse=NO
CONF
}

start_all() {
    mkdir -p "$dir" "$dir/empty" /run/sshd
    stop_all
    rm -rf "$dir/home"
    mkdir -p "$dir/home"
    if ! id "$account" > /dev/null 2>&1; then
        useradd --no-create-home --home-dir "$dir/home" --shell /bin/sh "$account"
    fi
    usermod --home "$dir/home" "$account" > /dev/null 2>&1 || true
    local password
    password="pw-$(head -c 12 /dev/urandom | od -An -tx1 | tr -d ' \n')"
    echo "$account:$password" | chpasswd
    mkdir -p "$dir/home/full"
    mount -t tmpfs -o size=96k,mode=0755 tmpfs "$dir/home/full"
    chown -R "$account:" "$dir/home"

    rm -f "$dir"/ssh_host_* "$dir"/other_host_key* "$dir"/ftps.*
    ssh-keygen -q -t ed25519 -N '' -f "$dir/ssh_host_ed25519_key"
    ssh-keygen -q -t ed25519 -N '' -f "$dir/other_host_key"
    openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj /CN=127.0.0.1 \
        -keyout "$dir/ftps.key" -out "$dir/ftps.crt" 2> /dev/null

    local sftp_port ftp_port ftps_port
    sftp_port=$(free_port)
    ftp_port=$(free_port)
    ftps_port=$(free_port)
    cat > "$dir/sshd_config" << CONF
Port $sftp_port
ListenAddress 127.0.0.1
HostKey $dir/ssh_host_ed25519_key
PidFile none
UsePAM no
PasswordAuthentication yes
KbdInteractiveAuthentication no
PubkeyAuthentication no
PermitRootLogin no
StrictModes no
AllowUsers $account
Subsystem sftp internal-sftp
CONF
    write_vsftpd_conf ftp "$ftp_port" NO
    write_vsftpd_conf ftps "$ftps_port" YES
    start_sftp
    start_ftp ftp
    start_ftp ftps
    wait_for_port "$sftp_port"
    wait_for_port "$ftp_port"
    wait_for_port "$ftps_port"
    cat > "$dir/servers.ini" << CONF
sftp_port=$sftp_port
ftp_port=$ftp_port
ftps_port=$ftps_port
user=$account
password=$password
home=$dir/home
other_host_key=$dir/other_host_key.pub
CONF
}

stop_all() {
    stop_server sftp
    stop_server ftp
    stop_server ftps
    if mountpoint -q "$dir/home/full" 2> /dev/null; then umount "$dir/home/full"; fi
}

case "$action" in
    start) start_all ;;
    stop)
        stop_all
        if id "$account" > /dev/null 2>&1; then userdel "$account"; fi
        ;;
    halt) stop_server "$3" ;;
    restart)
        stop_server "$3"
        if [ "$3" = sftp ]; then start_sftp; else start_ftp "$3"; fi
        wait_for_port "$(sed -n "s/^$3_port=//p" "$dir/servers.ini")"
        ;;
    *) echo "usage: $0 start|stop|halt|restart <folder> [server]" >&2; exit 2 ;;
esac
