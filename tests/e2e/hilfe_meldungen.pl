#!/usr/bin/perl
# Every message text the program hands to the platform's message boxes stands in the help's table
# of messages: the text up to its first inserted value, compared with blanks collapsed.
use strict;
use warnings;
use File::Find;

binmode(STDOUT, ':encoding(UTF-8)');
my ($quellen, $seite) = @ARGV;
die "Aufruf: hilfe_meldungen.pl <src> <meldungen.html>\n" unless $quellen && $seite;

sub einlesen {
    my ($pfad) = @_;
    open(my $f, '<:encoding(UTF-8)', $pfad) or die "$pfad: $!\n";
    local $/;
    return <$f>;
}

sub eben {
    my ($text) = @_;
    $text =~ s/\s+/ /g;
    $text =~ s/^ | $//g;
    return $text;
}

my $hilfe = einlesen($seite);
$hilfe =~ s/<[^>]*>/ /g;
my %zeichen = (lt => '<', gt => '>', amp => '&', quot => '"', ndash => "\x{2013}");
$hilfe =~ s{&(\w+);}{$zeichen{$1} // "&$1;"}ge;
$hilfe = eben($hilfe);

my @fehlend;
my $gezaehlt = 0;
find(sub {
    return unless /\.cpp$/;
    my $code = einlesen($_);
    # The first literal of a call or of a named message, and the literals that continue it on
    # the next lines.
    while ($code =~ /(?:\b(?:information|fehler|schreibfehler|warnung_ja_nein)\(|\bmeldung_\w+\s*=)\s*((?:u"(?:[^"\\]|\\.)*"(?:_s)?\s*)+)/g) {
        my $teile = $1;
        my $text = join('', $teile =~ /u"((?:[^"\\]|\\.)*)"/g);
        $text =~ s/\\n|\\r/ /g;
        $text =~ s/\\"/"/g;
        $text =~ s/%\d.*//s;
        $text = eben($text);
        next if length($text) < 10;
        ++$gezaehlt;
        push @fehlend, "$File::Find::name: $text" unless index($hilfe, $text) >= 0;
    }
}, $quellen);

die "Keine Meldungen im Quelltext gefunden\n" if $gezaehlt == 0;
if (@fehlend) {
    print "Nicht in der Hilfe ($seite):\n", map { "  $_\n" } @fehlend;
    exit 1;
}
print "$gezaehlt Meldungstexte stehen in der Hilfe.\n";
